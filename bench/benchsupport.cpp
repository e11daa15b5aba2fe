#include "bench/benchsupport.h"

#include <utility>

namespace fpw::bench {

app::Answer NobodyAsked::askYesNoCancel(std::string_view, std::string_view) {
    return app::Answer::Cancel;
}

std::optional<std::string> NobodyAsked::inputBox(std::string_view, std::string_view,
                                                 std::string_view) {
    return std::nullopt;
}

std::optional<std::string> NobodyAsked::openFileDialog(const app::FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> NobodyAsked::saveFileDialog(const app::FileDialogRequest&) {
    return std::nullopt;
}

std::optional<int> NobodyAsked::chooseFromList(std::string_view, std::string_view,
                                               const std::vector<std::string>&) {
    return std::nullopt;
}

BenchContext::BenchContext(std::string programDir) : ctx(std::move(programDir), user) {}

} // namespace fpw::bench
