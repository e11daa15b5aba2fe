// The summary window: the itemised cost breakdown in its three frames, the weapons with their
// cost and BV, the totals, and the step-by-step Battle Value in a scrolling panel. Print asks
// frmPrintSummary which printout to make; Done closes the window.
#pragma once

#include <optional>

#include <QDialog>

#include "ui/summary/frmprintsummary.h"
#include "valuation/bvdatastore.h"

class QGroupBox;
class QLabel;
class QScrollArea;
class QTableWidget;

namespace fpw::app {
struct ProgramContext;
}
namespace fpw::model {
class Mech;
}

namespace fpw::ui {

class SummaryWindow : public QDialog {
    Q_OBJECT
public:
    // The design and the context must outlive the window.
    SummaryWindow(model::Mech& mech, app::ProgramContext& ctx, QWidget* parent = nullptr);

    // Shows the window modally for `mech`; the one call the editor makes.
    static void open(model::Mech& mech, app::ProgramContext& ctx, QWidget* parent = nullptr);

    // GenerateSummary: every label from the design, the prices and a fresh BV calculation.
    void GenerateSummary();
    // Prints the chosen printout (the printer, or the PDF offer without one).
    bool printSummary(SummaryPrintout printout);

    QGroupBox* frame(int index) const; // 0 basic, 1 additional, 2 specialty
    QTableWidget* weaponsTable() const { return weapons_; }
    QLabel* summaryCost() const { return summaryCost_; }
    QLabel* summaryBV() const { return summaryBV_; }
    QScrollArea* bvPanel() const { return bvPanel_; }

private:
    void chooseAndPrint();
    void fillBVPanel();

    model::Mech& mech_;
    app::ProgramContext& ctx_;
    valuation::BVDataStore bvLines_;
    QLabel* summaryCost_;
    QLabel* summaryBV_;
    QGroupBox* frames_[3];
    QTableWidget* weapons_;
    QLabel* weaponTotal_;
    QLabel* totals_;
    QScrollArea* bvPanel_;
};

} // namespace fpw::ui
