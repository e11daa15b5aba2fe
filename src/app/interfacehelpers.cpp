#include "app/interfacehelpers.h"

namespace fpw::app {
namespace {

FileDialogRequest withDefaultFilter(FileDialogRequest request) {
    if (request.filter.empty()) {
        request.filter = FileDialogRequest{}.filter;
    }
    return request;
}

} // namespace

int gFindListIndex(std::string_view text, const std::vector<std::string>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int gSelectListText(std::string_view text, const std::vector<std::string>& entries) {
    const int found = gFindListIndex(text, entries);
    if (found >= 0) {
        return found;
    }
    return entries.empty() ? -1 : 0;
}

std::string gShowOpenDialog(UserInteraction& user, const FileDialogRequest& request) {
    return user.openFileDialog(withDefaultFilter(request)).value_or(std::string());
}

std::string gShowSaveDialog(UserInteraction& user, const FileDialogRequest& request) {
    return user.saveFileDialog(withDefaultFilter(request)).value_or(std::string());
}

} // namespace fpw::app
