// The multi-allocate dialog (`frmSelAlloc`): how many items of one unallocated row go into
// each location, with each location's maximum and the running total.
#pragma once

#include <vector>

#include <QDialog>

#include "editor/allocation.h"

class QLabel;
class QSpinBox;

namespace fpw::ui {

class ActionRunner;

class MultiAllocateDialog : public QDialog {
    Q_OBJECT
public:
    MultiAllocateDialog(editor::Editor& editor, ActionRunner& runner,
                        editor::MultiAllocateRequest request, QWidget* parent = nullptr);

    // One counter per location of the request, in its order.
    const std::vector<QSpinBox*>& counters() const { return counters_; }
    QLabel* total() const { return total_; }

    // "Done": closes when the editor placed the items.
    void finish();

private:
    void showTotal();

    editor::Editor& editor_;
    ActionRunner& runner_;
    editor::MultiAllocateRequest request_;
    std::vector<QSpinBox*> counters_;
    QLabel* total_ = nullptr;
};

} // namespace fpw::ui
