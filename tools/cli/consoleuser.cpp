#include "consoleuser.h"

#include <ostream>

#include "infocommand.h"

namespace fpw::cli {

ConsoleUser::ConsoleUser(std::ostream& out) : out_(out) {}

void ConsoleUser::message(std::string_view text, std::string_view title, app::MessageIcon) {
    const std::string flat = withoutCR(text);
    if (!title.empty())
        out_ << title << ": ";
    out_ << flat << '\n';
}

bool ConsoleUser::askYesNo(std::string_view text, std::string_view title) {
    message(std::string(text) + " (answered No)", title, app::MessageIcon::Question);
    return false;
}

app::Answer ConsoleUser::askYesNoCancel(std::string_view text, std::string_view title) {
    message(std::string(text) + " (cancelled)", title, app::MessageIcon::Question);
    return app::Answer::Cancel;
}

std::optional<std::string> ConsoleUser::inputBox(std::string_view, std::string_view,
                                                 std::string_view) {
    return std::nullopt;
}

std::optional<std::string> ConsoleUser::openFileDialog(const app::FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> ConsoleUser::saveFileDialog(const app::FileDialogRequest&) {
    return std::nullopt;
}

std::optional<int> ConsoleUser::chooseFromList(std::string_view, std::string_view,
                                               const std::vector<std::string>&) {
    return std::nullopt;
}

} // namespace fpw::cli
