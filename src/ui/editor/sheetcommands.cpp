#include "ui/editor/sheetcommands.h"

#include <string>
#include <vector>

#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "model/mech.h"
#include "ui/pilots/frmeditpilots.h"
#include "ui/recordsheet/frmmultiprint.h"
#include "ui/recordsheet/frmprinter.h"
#include "ui/recordsheet/frmprintprev.h"
#include "ui/summary/summarywindow.h"

namespace fpw::ui {

void openPrintWindow(editor::Editor& editor, QWidget* parent) {
    if (!editor::CanPrint(editor)) {
        return;
    }
    model::Mech design = editor.mech();
    app::ProgramContext& ctx = editor.context();
    FrmPrinter::open(design, ctx, parent,
                     [&ctx](QWidget* printWindow) { FrmEditPilots::open(ctx, printWindow); });
}

void openPrintPreview(editor::Editor& editor, QWidget* parent) {
    if (!editor::CanPreview(editor)) {
        return;
    }
    model::Mech design = editor.mech();
    FrmPrintPrev window(design, SheetRequest{}, parent);
    window.exec();
}

void openSummary(editor::Editor& editor, QWidget* parent) {
    model::Mech design = editor.mech();
    SummaryWindow::open(design, editor.context(), parent);
}

void openMultiPrint(editor::Editor& editor, QWidget* parent) {
    std::vector<std::string> files;
    if (editor.saved() && !editor.mech().saveFilename().empty()) {
        files.push_back(editor.mech().saveFilename());
    }
    FrmMultiPrint::open(editor.context(), files, parent);
}

void openPilots(editor::Editor& editor, QWidget* parent) {
    FrmEditPilots::open(editor.context(), parent);
}

} // namespace fpw::ui
