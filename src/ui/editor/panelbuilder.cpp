#include "ui/editor/panelbuilder.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "ui/editor/actionrunner.h"

namespace fpw::ui {

QPushButton* commandButton(const QString& text, const QString& objectName, const QString& tip,
                           QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* PanelBuilder::group(const QString& title, const QString& objectName) {
    auto* box = new QGroupBox(title, owner_);
    box->setObjectName(objectName);
    form_ = new QFormLayout(box);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->setVerticalSpacing(4);
    return box;
}

QComboBox* PanelBuilder::combo(const QString& caption, const QString& objectName,
                               const QString& tip, std::function<void(const QString&)> chosen) {
    auto* box = new QComboBox(form_->parentWidget());
    box->setObjectName(objectName);
    box->setToolTip(tip);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    addRow(caption, box);
    // `activated` comes from the player only; filling the list never reaches the handler.
    QObject::connect(box, &QComboBox::activated, box,
                     [&runner = runner_, box, chosen = std::move(chosen)](int index) {
                         const QString text = box->itemText(index);
                         runner.run([&] { chosen(text); });
                     });
    return box;
}

QSpinBox* PanelBuilder::spin(const QString& caption, const QString& objectName, const QString& tip,
                             int step, std::function<void(int)> changed) {
    auto* box = new QSpinBox(form_->parentWidget());
    box->setObjectName(objectName);
    box->setToolTip(tip);
    box->setSingleStep(step);
    // Typing "100" must not pass through 10 on its way.
    box->setKeyboardTracking(false);
    addRow(caption, box);
    QObject::connect(box, &QSpinBox::valueChanged, box,
                     [&runner = runner_, changed = std::move(changed)](int value) {
                         runner.run([&] { changed(value); });
                     });
    return box;
}

QCheckBox* PanelBuilder::check(const QString& text, const QString& objectName, const QString& tip,
                               std::function<void(bool)> toggled) {
    auto* box = new QCheckBox(text, form_->parentWidget());
    box->setObjectName(objectName);
    box->setToolTip(tip);
    form_->addRow(box);
    QObject::connect(box, &QCheckBox::clicked, box,
                     [&runner = runner_, toggled = std::move(toggled)](bool on) {
                         runner.run([&] { toggled(on); });
                     });
    return box;
}

QLabel* PanelBuilder::figure(const QString& caption, const QString& objectName,
                             const QString& tip) {
    auto* label = new QLabel(form_->parentWidget());
    label->setObjectName(objectName);
    label->setToolTip(tip);
    addRow(caption, label);
    return label;
}

void PanelBuilder::addRow(const QString& caption, QWidget* field) {
    form_->addRow(caption, field);
    captions_.push_back(form_->labelForField(field));
}

void PanelBuilder::alignCaptions() {
    int widest = 0;
    for (QWidget* caption : captions_) {
        widest = std::max(widest, caption->sizeHint().width());
    }
    for (QWidget* caption : captions_) {
        caption->setMinimumWidth(widest);
        if (auto* label = qobject_cast<QLabel*>(caption)) {
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

} // namespace fpw::ui
