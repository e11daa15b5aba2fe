#include "fpwdata/pilottext.h"

#include <vector>

#include "fpwdata/sourcetext.h"

namespace fpw::datatool {
namespace {

constexpr std::string_view kHeader = "Name\tGunnery\tPiloting";

} // namespace

catalog::PilotList parsePilotText(std::string_view text, std::string_view fileName) {
    const std::vector<std::string> lines = splitSourceLines(text);
    if (lines.empty() || lines[0] != kHeader) {
        throw SourceError(fileName, 1,
                          "the first line must be the header row Name, Gunnery, "
                          "Piloting (tab-separated)");
    }
    catalog::PilotList pilots;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const std::vector<std::string> cells = splitCells(lines[i], '\t');
        if (cells.size() != 3) {
            throw SourceError(fileName, lineNumber,
                              "expected 3 tab-separated columns, found " +
                                  std::to_string(cells.size()));
        }
        // The program drops nameless pilots when it writes the list, so they would not
        // survive a round trip.
        if (cells[0].empty()) {
            throw SourceError(fileName, lineNumber, "column Name: a pilot needs a name");
        }
        catalog::Pilot pilot;
        pilot.name = cells[0];
        pilot.gunnery = parseInteger(cells[1], {fileName, lineNumber, "Gunnery"});
        pilot.piloting = parseInteger(cells[2], {fileName, lineNumber, "Piloting"});
        pilots.push_back(std::move(pilot));
    }
    return pilots;
}

std::string formatPilotText(const catalog::PilotList& pilots) {
    std::string text = std::string(kHeader) + "\n";
    for (const catalog::Pilot& pilot : pilots) {
        text += pilot.name + "\t" + std::to_string(pilot.gunnery) + "\t" +
                std::to_string(pilot.piloting) + "\n";
    }
    return text;
}

} // namespace fpw::datatool
