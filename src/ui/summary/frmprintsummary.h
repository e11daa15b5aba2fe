// The summary's print chooser: the cost breakdown or the Battle Value calculation.
#pragma once

#include <QDialog>

class QRadioButton;

namespace fpw::ui {

enum class SummaryPrintout { CostBreakdown, BVCalculations };

class FrmPrintSummary : public QDialog {
    Q_OBJECT
public:
    explicit FrmPrintSummary(QWidget* parent = nullptr);

    SummaryPrintout choice() const;
    QRadioButton* bvOption() const { return bv_; }

private:
    QRadioButton* cost_;
    QRadioButton* bv_;
};

} // namespace fpw::ui
