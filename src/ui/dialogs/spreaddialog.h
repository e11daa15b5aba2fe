// The spread dialog (`frmSpread`): how many of a weapon's slots go into the location it was
// dropped on and how many into which neighbour. "Done" hands the choice to the editor, which
// beeps at a wrong total and keeps the dialog open.
#pragma once

#include <QDialog>

#include "editor/spread.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace fpw::ui {

class ActionRunner;

class SpreadDialog : public QDialog {
    Q_OBJECT
public:
    SpreadDialog(editor::Editor& editor, ActionRunner& runner, editor::SpreadRequest request,
                 QWidget* parent = nullptr);

    QSpinBox* primaryCount() const { return primary_; }
    QComboBox* secondaryLocation() const { return secondary_; }
    QSpinBox* secondaryCount() const { return secondaryCount_; }
    QLabel* total() const { return total_; }

    // "Done": closes when the editor took the choice.
    void finish();

private:
    void showTotal();
    void secondaryChosen();

    editor::Editor& editor_;
    ActionRunner& runner_;
    editor::SpreadRequest request_;
    QSpinBox* primary_ = nullptr;
    QComboBox* secondary_ = nullptr;
    QSpinBox* secondaryCount_ = nullptr;
    QLabel* total_ = nullptr;
};

} // namespace fpw::ui
