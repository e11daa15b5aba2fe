// Everything the program's rules need from the person at the keyboard. The desktop layer
// implements it with real dialogs; tests answer from a script; the command-line tool
// prints messages. Rules never talk to a window directly.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::app {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

enum class Answer { Yes, No, Cancel };

struct FileDialogRequest {
    std::string title;
    // Pairs of description and pattern separated by "|": "Mech Files (*.FPM)|*.FPM".
    std::string filter = "All Files (*.*)|*.*";
    int filterIndex = 1;
    std::string initialDirectory;
    std::string fileName;
};

class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // A modal message box; an empty title means the program's own title.
    virtual void message(std::string_view text, std::string_view title = {},
                         MessageIcon icon = MessageIcon::None) = 0;
    virtual bool askYesNo(std::string_view text, std::string_view title = {}) = 0;
    virtual Answer askYesNoCancel(std::string_view text, std::string_view title = {}) = 0;
    // Nothing when the person cancels.
    virtual std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                                std::string_view defaultText = {}) = 0;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;
    // A folder (title and initial directory of the request), or nothing when cancelled. Only
    // the desktop asks for folders; elsewhere the question is cancelled at once.
    virtual std::optional<std::string> folderDialog(const FileDialogRequest& request) {
        (void)request;
        return std::nullopt;
    }
    // The index of the chosen item, or nothing when cancelled.
    virtual std::optional<int> chooseFromList(std::string_view title, std::string_view prompt,
                                              const std::vector<std::string>& items) = 0;
    virtual void setBusyPointer() = 0;
    virtual void setNormalPointer() = 0;
    // Lets the interface serve pending events (a Stop button during a long run).
    virtual void processEvents() = 0;
    virtual void beep() = 0;
};

// Shows the busy pointer for the lifetime of the object, whichever way the scope is left.
class BusyPointer {
public:
    explicit BusyPointer(UserInteraction& user) : user_(user) { user_.setBusyPointer(); }
    ~BusyPointer() { user_.setNormalPointer(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    UserInteraction& user_;
};

} // namespace fpw::app
