#include "ui/dialogs/allocationdialogframe.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fpw::ui {

void buildAllocationDialog(QDialog& dialog, const std::string& explanation, QLayout* controls,
                           const std::function<void()>& finish) {
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(QString::fromStdString(explanation), &dialog);
    text->setWordWrap(true);
    // Wide enough that the long explanation reads as a paragraph, not a column.
    text->setMinimumWidth(dialog.fontMetrics().averageCharWidth() * 60);
    layout->addWidget(text);
    // Counters as wide as their figures: stretched over the dialog they read as text boxes.
    if (auto* form = qobject_cast<QFormLayout*>(controls)) {
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    }
    layout->addLayout(controls);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* done = buttons->addButton(QDialog::tr("Done"), QDialogButtonBox::AcceptRole);
    done->setObjectName("doneButton");
    done->setDefault(true);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, finish);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
}

} // namespace fpw::ui
