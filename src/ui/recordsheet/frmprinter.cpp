#include "ui/recordsheet/frmprinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "model/mech.h"
#include "recordsheet/sheetcontent.h"
#include "ui/recordsheet/frmprintprev.h"
#include "ui/recordsheet/sheetoutput.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {

FrmPrinter::FrmPrinter(model::Mech& mech, app::ProgramContext& ctx, QWidget* parent)
    : QDialog(parent), mech_(mech), ctx_(ctx), pilot_(new QComboBox(this)),
      console_(new QComboBox(this)), editPilots_(new QPushButton("&Edit Pilots...", this)),
      standardDiagram_(new QRadioButton("&Standard armor diagram", this)),
      textDiagram_(new QRadioButton("&Text armor diagram", this)),
      adjustBV_(new QCheckBox("&Adjust BV for pilot skills", this)),
      printButton_(new QPushButton("&Print", this)),
      pdfButton_(new QPushButton("Save as P&DF...", this)) {
    setObjectName("frmPrinter");
    setWindowTitle("Print Record Sheet");
    fillPilots();
    console_->setEnabled(mech.cockpitType() == catalog::cockpit::kCommandConsole);
    editPilots_->setEnabled(false);
    standardDiagram_->setChecked(true);
    adjustBV_->setChecked(true);

    auto* pilots = new QFormLayout;
    pilots->addRow("P&ilot:", pilot_);
    pilots->addRow("&Console pilot:", console_);
    pilots->addRow(QString(), editPilots_);
    auto* layoutBox = new QGroupBox("Layout", this);
    auto* layoutOptions = new QVBoxLayout(layoutBox);
    layoutOptions->addWidget(standardDiagram_);
    layoutOptions->addWidget(textDiagram_);
    layoutOptions->addWidget(adjustBV_);

    auto* previewButton = new QPushButton("Pre&view", this);
    auto* cancel = new QPushButton("Cancel", this);
    printButton_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previewButton);
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(pdfButton_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pilots);
    layout->addWidget(layoutBox);
    layout->addLayout(buttons);

    connect(editPilots_, &QPushButton::clicked, this, [this] {
        if (pilotEditor_) {
            pilotEditor_();
            fillPilots();
        }
    });
    connect(printButton_, &QPushButton::clicked, this, &FrmPrinter::print);
    connect(pdfButton_, &QPushButton::clicked, this, &FrmPrinter::saveAsPdf);
    connect(previewButton, &QPushButton::clicked, this, &FrmPrinter::preview);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPrinter::open(model::Mech& mech, app::ProgramContext& ctx, QWidget* parent,
                      const std::function<void(QWidget*)>& pilotEditor) {
    FrmPrinter window(mech, ctx, parent);
    if (pilotEditor)
        window.setPilotEditor([&window, &pilotEditor] { pilotEditor(&window); });
    window.exec();
}

void FrmPrinter::setPilotEditor(std::function<void()> editor) {
    pilotEditor_ = std::move(editor);
    editPilots_->setEnabled(static_cast<bool>(pilotEditor_));
}

void FrmPrinter::fillPilots() {
    for (QComboBox* picker : {pilot_, console_}) {
        const QString current = picker->currentText();
        picker->clear();
        picker->addItem(kNoPilot, -1);
        for (std::size_t i = 0; i < ctx_.pilots.size(); ++i)
            if (!ctx_.pilots[i].name.empty())
                picker->addItem(toQString(ctx_.pilots[i].name), static_cast<int>(i));
        const int again = picker->findText(current);
        picker->setCurrentIndex(again >= 0 ? again : 0);
    }
}

SheetPilot FrmPrinter::chosen(const QComboBox* picker) const {
    const int index = picker->currentData().toInt();
    if (!picker->isEnabled() || index < 0 || static_cast<std::size_t>(index) >= ctx_.pilots.size())
        return {};
    const catalog::Pilot& p = ctx_.pilots[static_cast<std::size_t>(index)];
    return {p.name, std::to_string(p.gunnery), std::to_string(p.piloting)};
}

SheetRequest FrmPrinter::request() const {
    return {chosen(pilot_), chosen(console_), adjustBV_->isChecked(),
            standardDiagram_->isChecked()};
}

std::string FrmPrinter::documentName() const {
    return recordsheet::sheetTitle(mech_);
}

PageDrawer FrmPrinter::sheetDrawer() {
    return [this, sheet = request()](recordsheet::DrawingSurface& s) {
        return drawSheet(mech_, sheet, s);
    };
}

void FrmPrinter::print() {
    if (printPages(ctx_, sheetDrawer(), documentName()))
        accept();
}

void FrmPrinter::saveAsPdf() {
    if (savePdfAs(ctx_, sheetDrawer(), documentName()))
        accept();
}

void FrmPrinter::preview() {
    FrmPrintPrev window(mech_, request(), this);
    window.exec();
}

} // namespace fpw::ui
