// The print window: pilot and console-pilot pickers, the layout and BV options, and Print,
// Save as PDF, Preview and Cancel. Open it with FrmPrinter::open.
#pragma once

#include <functional>

#include <QDialog>

#include "ui/recordsheet/sheetoutput.h"
#include "ui/recordsheet/sheetrequest.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::ui {

class FrmPrinter : public QDialog {
    Q_OBJECT
public:
    // The first entry of both pilot pickers.
    static constexpr const char* kNoPilot = "None";

    // The design and the context must outlive the window.
    FrmPrinter(model::Mech& mech, app::ProgramContext& ctx, QWidget* parent = nullptr);

    // Shows the window modally for `mech`; the one call the editor makes. `pilotEditor`, when
    // given, is the pilot editor, opened over the print window it receives.
    static void open(model::Mech& mech, app::ProgramContext& ctx, QWidget* parent = nullptr,
                     const std::function<void(QWidget*)>& pilotEditor = {});

    // The pilot editor ("PrinterDlg.EditPilots"); the button stays disabled without one. The
    // pickers are filled anew from ctx.pilots after it returns.
    void setPilotEditor(std::function<void()> editor);

    // What the choices ask for now.
    SheetRequest request() const;

    // The commands, as the buttons run them.
    void print();
    void saveAsPdf();
    void preview();

    QComboBox* pilotPicker() const { return pilot_; }
    QComboBox* consolePicker() const { return console_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* pdfButton() const { return pdfButton_; }
    QPushButton* editPilotsButton() const { return editPilots_; }
    QRadioButton* textDiagramOption() const { return textDiagram_; }
    QCheckBox* adjustBVOption() const { return adjustBV_; }

private:
    void fillPilots();
    SheetPilot chosen(const QComboBox* picker) const;
    std::string documentName() const;
    // Draws the sheet as the choices stand now.
    PageDrawer sheetDrawer();

    model::Mech& mech_;
    app::ProgramContext& ctx_;
    std::function<void()> pilotEditor_;
    QComboBox* pilot_;
    QComboBox* console_;
    QPushButton* editPilots_;
    QRadioButton* standardDiagram_;
    QRadioButton* textDiagram_;
    QCheckBox* adjustBV_;
    QPushButton* printButton_;
    QPushButton* pdfButton_;
};

} // namespace fpw::ui
