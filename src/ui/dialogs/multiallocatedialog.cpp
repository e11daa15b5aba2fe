#include "ui/dialogs/multiallocatedialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include "ui/dialogs/allocationdialogframe.h"
#include "ui/editor/actionrunner.h"

namespace fpw::ui {

MultiAllocateDialog::MultiAllocateDialog(editor::Editor& editor, ActionRunner& runner,
                                         editor::MultiAllocateRequest request, QWidget* parent)
    : QDialog(parent), editor_(editor), runner_(runner), request_(std::move(request)) {
    setObjectName("frmSelAlloc");
    setWindowTitle(tr("Allocate %1").arg(QString::fromStdString(request_.itemName)));
    auto* form = new QFormLayout;
    for (const editor::MultiAllocateLocation& place : request_.locations) {
        auto* counter = new QSpinBox(this);
        counter->setRange(0, place.maximum);
        counter->setSuffix(QStringLiteral("  (%1)").arg(place.maximum));
        counter->setEnabled(place.maximum > 0);
        connect(counter, &QSpinBox::valueChanged, this, &MultiAllocateDialog::showTotal);
        form->addRow(QString::fromStdString(place.name) + ':', counter);
        counters_.push_back(counter);
    }
    total_ = new QLabel(this);
    total_->setObjectName("allocateTotal");
    form->addRow(tr("Total:"), total_);
    buildAllocationDialog(*this, request_.text, form, [this] { finish(); });
    showTotal();
}

void MultiAllocateDialog::showTotal() {
    int placed = 0;
    for (const QSpinBox* counter : counters_) {
        placed += counter->value();
    }
    total_->setText(QString::fromStdString(editor::multiAllocateTotal(request_, placed)));
}

void MultiAllocateDialog::finish() {
    std::vector<int> counts;
    for (const QSpinBox* counter : counters_) {
        counts.push_back(counter->value());
    }
    bool applied = false;
    runner_.run([&] { applied = editor::ApplyMultiAllocate(editor_, request_, counts); });
    if (applied) {
        accept();
    }
}

} // namespace fpw::ui
