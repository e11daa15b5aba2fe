#include "recordsheet/diagramoutline.h"

#include <charconv>
#include <optional>
#include <string>

#include "app/files.h"
#include "app/programcontext.h"
#include "app/textutil.h"

namespace fpw::recordsheet {
namespace {

std::vector<std::string_view> cells(std::string_view line) {
    std::vector<std::string_view> result;
    for (;;) {
        const std::size_t tab = line.find('\t');
        result.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return result;
        line.remove_prefix(tab + 1);
    }
}

std::optional<int> number(std::string_view cell) {
    int value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size())
        return std::nullopt;
    return value;
}

} // namespace

std::vector<OutlineArea> parseDiagramOutline(std::string_view text) {
    std::vector<OutlineArea> areas;
    for (std::string_view line : app::splitLines(text)) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> c = cells(line);
        if (c.size() < 7 || (c[0] != "Armor" && c[0] != "Internal"))
            continue;
        const auto location = number(c[1]);
        const auto left = number(c[3]);
        const auto top = number(c[4]);
        const auto right = number(c[5]);
        const auto bottom = number(c[6]);
        if (!location || !left || !top || !right || !bottom || *right <= *left || *bottom <= *top)
            continue;
        areas.push_back({c[0] == "Armor", *location, static_cast<double>(*left),
                         static_cast<double>(*top), static_cast<double>(*right),
                         static_cast<double>(*bottom)});
    }
    return areas;
}

std::vector<OutlineArea> loadDiagramOutline(const app::ProgramContext& ctx) {
    const std::optional<std::string> text =
        app::readWholeFile(ctx.programFile(std::string(kDiagramOutlineFile)));
    return text ? parseDiagramOutline(*text) : std::vector<OutlineArea>{};
}

} // namespace fpw::recordsheet
