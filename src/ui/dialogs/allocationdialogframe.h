// The frame the allocation dialogs share: their explanation on top and "Done" and "Cancel"
// below, "Done" running the dialog's own finish.
#pragma once

#include <functional>
#include <string>

class QDialog;
class QLayout;

namespace fpw::ui {

// Lays out the explanation, the dialog's own controls and the buttons.
void buildAllocationDialog(QDialog& dialog, const std::string& explanation, QLayout* controls,
                           const std::function<void()>& finish);

} // namespace fpw::ui
