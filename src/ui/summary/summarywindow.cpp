#include "ui/summary/summarywindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/programcontext.h"
#include "model/mech.h"
#include "recordsheet/sheetcontent.h"
#include "recordsheet/summaryprint.h"
#include "reports/bvreport.h"
#include "reports/costbreakdown.h"
#include "ui/recordsheet/sheetoutput.h"
#include "ui/services/qtuserinteraction.h"
#include "valuation/bvcalc.h"

namespace fpw::ui {
namespace {

QLabel* amountLabel(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(toQString(text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void fillFrame(QGroupBox* frame, const reports::CostSection& section) {
    frame->setTitle(toQString(section.caption));
    delete frame->layout();
    qDeleteAll(frame->findChildren<QLabel*>(Qt::FindDirectChildrenOnly));
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const reports::ReportLine& line : section.lines) {
        auto* description = new QLabel(toQString(line.description), frame);
        description->setObjectName("lblCostDesc");
        QLabel* amount = amountLabel(line.value, frame);
        amount->setObjectName("lblStructureCost");
        grid->addWidget(description, row, 0);
        grid->addWidget(amount, row, 1);
        ++row;
    }
    grid->setColumnStretch(0, 1);
}

} // namespace

SummaryWindow::SummaryWindow(model::Mech& mech, app::ProgramContext& ctx, QWidget* parent)
    : QDialog(parent), mech_(mech), ctx_(ctx), summaryCost_(new QLabel(this)),
      summaryBV_(new QLabel(this)), weapons_(new QTableWidget(0, 3, this)),
      weaponTotal_(new QLabel(this)), totals_(new QLabel(this)), bvPanel_(new QScrollArea(this)) {
    setObjectName("frmSummary");
    setWindowTitle("Summary");
    summaryCost_->setObjectName("lblSummaryCost");
    summaryBV_->setObjectName("lblSummaryBV");
    const char* names[] = {"frameBasic", "frameAdditional", "frameSpecialty"};
    auto* costColumn = new QVBoxLayout;
    auto* header = new QHBoxLayout;
    header->addWidget(summaryCost_);
    header->addStretch();
    header->addWidget(summaryBV_);
    costColumn->addLayout(header);
    for (int i = 0; i < 3; ++i) {
        frames_[i] = new QGroupBox(this);
        frames_[i]->setObjectName(names[i]);
        costColumn->addWidget(frames_[i]);
    }
    weapons_->setHorizontalHeaderLabels({"Weapons and Equipment", "Cost", "BV"});
    weapons_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    weapons_->verticalHeader()->hide();
    weapons_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    costColumn->addWidget(weapons_);
    costColumn->addWidget(weaponTotal_);
    costColumn->addWidget(totals_);

    bvPanel_->setObjectName("picBVDataFrame");
    bvPanel_->setWidgetResizable(true);
    bvPanel_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    bvPanel_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* print = new QPushButton("&Print...", this);
    auto* done = new QPushButton("&Done", this);
    connect(print, &QPushButton::clicked, this, &SummaryWindow::chooseAndPrint);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(done);

    auto* columns = new QHBoxLayout;
    columns->addLayout(costColumn, 3);
    columns->addWidget(bvPanel_, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    resize(900, 640);
    GenerateSummary();
}

void SummaryWindow::open(model::Mech& mech, app::ProgramContext& ctx, QWidget* parent) {
    SummaryWindow window(mech, ctx, parent);
    window.exec();
}

QGroupBox* SummaryWindow::frame(int index) const {
    return frames_[index];
}

void SummaryWindow::GenerateSummary() {
    const std::optional<valuation::BVResult> bv = valuation::CalcBV(mech_);
    bvLines_ = bv ? bv->lines : valuation::BVDataStore{};
    const reports::CostBreakdown cost = reports::costBreakdown(mech_);
    summaryCost_->setText("Cost: " + toQString(cost.summaryCost));
    summaryBV_->setText("Battle Value: " + toQString(cost.summaryBV));
    fillFrame(frames_[0], cost.basic);
    fillFrame(frames_[1], cost.additional);
    fillFrame(frames_[2], cost.specialty);

    weapons_->setRowCount(static_cast<int>(cost.weapons.size()));
    for (int row = 0; row < weapons_->rowCount(); ++row) {
        const reports::WeaponCostLine& w = cost.weapons[static_cast<std::size_t>(row)];
        weapons_->setItem(row, 0, new QTableWidgetItem(toQString(w.description)));
        for (const auto& [column, text] : {std::pair{1, &w.cost}, std::pair{2, &w.bv}}) {
            auto* item = new QTableWidgetItem(toQString(*text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            weapons_->setItem(row, column, item);
        }
    }
    weaponTotal_->setText(toQString(cost.weaponTotal.description + " " + cost.weaponTotal.value));
    QStringList totals;
    if (cost.surcharge)
        totals << toQString(cost.surcharge->description + " " + cost.surcharge->value);
    for (const reports::ReportLine* line : {&cost.subtotal, &cost.multiplier, &cost.finalCost})
        totals << toQString(line->description + " " + line->value);
    totals_->setText(totals.join('\n'));
    fillBVPanel();
}

void SummaryWindow::fillBVPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("picBVData");
    auto* grid = new QGridLayout(panel);
    int row = 0;
    for (const reports::ReportLine& line : reports::BVPanelLines(bvLines_)) {
        auto* description = new QLabel(toQString(line.description), panel);
        description->setObjectName("lblBVDataDesc");
        description->setWordWrap(true);
        if (line.heading) {
            QFont bold = description->font();
            bold.setBold(true);
            description->setFont(bold);
        }
        QLabel* value = amountLabel(line.value, panel);
        value->setObjectName("lblBVDataVal");
        grid->addWidget(description, row, 0);
        grid->addWidget(value, row, 1, Qt::AlignTop);
        ++row;
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    bvPanel_->setWidget(panel); // deletes the previous panel
}

bool SummaryWindow::printSummary(SummaryPrintout printout) {
    const std::string name = recordsheet::sheetTitle(mech_);
    return printPages(
        ctx_,
        [&](recordsheet::DrawingSurface& surface) {
            if (printout == SummaryPrintout::CostBreakdown)
                recordsheet::PrintSummary(mech_, surface);
            else
                recordsheet::PrintBVCalcs(mech_, bvLines_, surface);
            return true;
        },
        name);
}

void SummaryWindow::chooseAndPrint() {
    FrmPrintSummary chooser(this);
    if (chooser.exec() == QDialog::Accepted)
        printSummary(chooser.choice());
}

} // namespace fpw::ui
