#include "ui/summary/frmprintsummary.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fpw::ui {

FrmPrintSummary::FrmPrintSummary(QWidget* parent)
    : QDialog(parent), cost_(new QRadioButton("&Cost breakdown", this)),
      bv_(new QRadioButton("&Battle Value calculations", this)) {
    setObjectName("frmPrintSummary");
    setWindowTitle("Print Summary");
    cost_->setChecked(true);
    auto* print = new QPushButton("&Print", this);
    auto* cancel = new QPushButton("Cancel", this);
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cost_);
    layout->addWidget(bv_);
    layout->addLayout(buttons);
}

SummaryPrintout FrmPrintSummary::choice() const {
    return bv_->isChecked() ? SummaryPrintout::BVCalculations : SummaryPrintout::CostBreakdown;
}

} // namespace fpw::ui
