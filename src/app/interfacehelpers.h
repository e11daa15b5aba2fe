// The program's small helpers around the person's interface: busy pointer, list lookups and
// the standard file dialogs with their defaults.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/userinteraction.h"

namespace fpw::app {

inline void gSetBusyPointer(UserInteraction& user) {
    user.setBusyPointer();
}
inline void gSetNormalPointer(UserInteraction& user) {
    user.setNormalPointer();
}

// The index of the first entry equal to `text`, or -1.
int gFindListIndex(std::string_view text, const std::vector<std::string>& entries);

// The entry a drop-down list selects for `text`: that entry, or the first when the text is
// absent; -1 only for an empty list.
int gSelectListText(std::string_view text, const std::vector<std::string>& entries);

// The standard open / save dialog (filter "All Files (*.*)|*.*" unless the request names one);
// a cancelled dialog gives an empty path.
std::string gShowOpenDialog(UserInteraction& user, const FileDialogRequest& request = {});
std::string gShowSaveDialog(UserInteraction& user, const FileDialogRequest& request = {});

} // namespace fpw::app
