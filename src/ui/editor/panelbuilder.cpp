#include "ui/editor/panelbuilder.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

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
    line_ = nullptr;
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->setVerticalSpacing(4);
    // Tight margins: the panels share a narrow column with three groups or more on a page.
    form_->setContentsMargins(8, 4, 8, 4);
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
    if (line_ != nullptr) {
        addToLine({}, box);
    } else {
        form_->addRow(box);
    }
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

void PanelBuilder::beginLine(const QString& caption) {
    line_ = new QHBoxLayout;
    line_->setSpacing(6);
    if (caption.isEmpty()) {
        form_->addRow(line_);
    } else {
        form_->addRow(caption, line_);
        captions_.push_back(form_->labelForField(line_));
    }
}

void PanelBuilder::endLine() {
    // Left-aligned when nothing on the line wants the room.
    line_->addStretch(0);
    line_ = nullptr;
}

void PanelBuilder::addRow(const QString& caption, QWidget* field) {
    if (line_ == nullptr) {
        form_->addRow(caption, field);
        captions_.push_back(form_->labelForField(field));
        return;
    }
    addToLine(caption, field);
}

void PanelBuilder::addToLine(const QString& caption, QWidget* field) {
    // The line's first control goes under the line's own caption, which shows and hides with
    // it (`setShownWithCaption`).
    if (line_->count() == 0) {
        if (auto* label = qobject_cast<QLabel*>(form_->labelForField(line_))) {
            label->setBuddy(field);
        }
    } else if (!caption.isEmpty()) {
        // Apart from the control before it, so that the caption reads as this control's.
        line_->addSpacing(12);
        auto* label = new QLabel(caption, form_->parentWidget());
        label->setBuddy(field);
        line_->addWidget(label);
    }
    // Lists take the room a line has; figures, counts and check boxes keep their own width.
    line_->addWidget(field, qobject_cast<QComboBox*>(field) != nullptr ? 1 : 0);
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

void stackGroups(QWidget* page, std::initializer_list<QGroupBox*> groups) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    for (QGroupBox* group : groups) {
        column->addWidget(group);
    }
    column->addStretch(1);
}

} // namespace fpw::ui
