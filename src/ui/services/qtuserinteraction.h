// The person at the keyboard, served by Qt's standard dialogs.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "app/userinteraction.h"

namespace fpw::ui {

// A file dialog filter in Qt's form and the filter chosen first.
struct QtFileFilter {
    QString filter;   // "Mech Files (*.FPM *.fpm);;All Files (*)"
    QString selected; // the entry `filterIndex` (1-based) names, or the first
};

// Converts the program's "Description|pattern|Description|pattern" filter string. Patterns
// separated by ";" become Qt's blank-separated list; "*.*" becomes "*"; an extension in capitals
// also matches in small letters, since file names on this platform are case-sensitive.
QtFileFilter toQtFileFilter(std::string_view filter, int filterIndex);

QString toQString(std::string_view text);

class QtUserInteraction : public app::UserInteraction {
public:
    // Dialogs open over `parent` (may be null, and may change when the editor opens).
    explicit QtUserInteraction(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(std::string_view text, std::string_view title, app::MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    app::Answer askYesNoCancel(std::string_view text, std::string_view title) override;
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override;
    std::optional<std::string> openFileDialog(const app::FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const app::FileDialogRequest& request) override;
    std::optional<std::string> folderDialog(const app::FileDialogRequest& request) override;
    std::optional<int> chooseFromList(std::string_view title, std::string_view prompt,
                                      const std::vector<std::string>& items) override;
    void setBusyPointer() override;
    void setNormalPointer() override;
    void processEvents() override;
    void beep() override;

private:
    QPointer<QWidget> parent_;
};

} // namespace fpw::ui
