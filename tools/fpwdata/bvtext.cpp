#include "fpwdata/bvtext.h"

#include <vector>

#include "fpwdata/sourcetext.h"

namespace fpw::datatool {
namespace {

constexpr std::string_view kSkillKey = "SkillMultiplier";

std::string tableLine(std::string_view key, const double* values, std::size_t count) {
    std::string line(key);
    for (std::size_t i = 0; i < count; ++i) {
        line += '\t';
        line += formatDouble(values[i]);
    }
    return line;
}

void readTable(const std::vector<std::string>& lines, std::size_t index, std::string_view key,
               double* values, std::size_t count, std::string_view file) {
    const int lineNumber = static_cast<int>(index) + 1;
    if (index >= lines.size()) {
        throw SourceError(file, lineNumber, "the line \"" + std::string(key) + "\" is missing");
    }
    const std::vector<std::string> cells = splitCells(lines[index], '\t');
    if (cells[0] != key) {
        throw SourceError(file, lineNumber,
                          "expected the line \"" + std::string(key) + "\", found \"" + cells[0] +
                              "\"");
    }
    if (cells.size() != count + 1) {
        throw SourceError(file, lineNumber,
                          std::string(key) + " needs " + std::to_string(count) + " values, found " +
                              std::to_string(cells.size() - 1));
    }
    const CellPlace place{file, lineNumber, key};
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = parseDouble(cells[i + 1], place);
    }
}

} // namespace

catalog::BVTables parseBVText(std::string_view text, std::string_view fileName) {
    const std::vector<std::string> lines = splitSourceLines(text);
    catalog::BVTables t;
    readTable(lines, 0, "EngineMultiplierIS", t.engineMultiplierIS.data(),
              t.engineMultiplierIS.size(), fileName);
    readTable(lines, 1, "EngineMultiplierClan", t.engineMultiplierClan.data(),
              t.engineMultiplierClan.size(), fileName);
    readTable(lines, 2, "OffensiveSpeedFactor", t.offensiveSpeedFactor.data(),
              t.offensiveSpeedFactor.size(), fileName);
    readTable(lines, 3, "DefensiveMovementFactor", t.defensiveMovementFactor.data(),
              t.defensiveMovementFactor.size(), fileName);
    constexpr std::size_t kFirstSkill = 4;
    for (std::size_t i = 0; i < t.skillMultiplier.size(); ++i) {
        const std::size_t index = kFirstSkill + i;
        const int lineNumber = static_cast<int>(index) + 1;
        if (index >= lines.size()) {
            throw SourceError(fileName, lineNumber,
                              "the table needs " + std::to_string(t.skillMultiplier.size()) +
                                  " SkillMultiplier lines, found " + std::to_string(i));
        }
        const std::vector<std::string> cells = splitCells(lines[index], '\t');
        if (cells[0] != kSkillKey || cells.size() != 4) {
            throw SourceError(fileName, lineNumber,
                              "expected \"SkillMultiplier\", gunnery, piloting and multiplier");
        }
        catalog::SkillMultiplier& s = t.skillMultiplier[i];
        s.gunnery = parseInteger(cells[1], {fileName, lineNumber, "gunnery"});
        s.piloting = parseInteger(cells[2], {fileName, lineNumber, "piloting"});
        s.multiplier = parseDouble(cells[3], {fileName, lineNumber, "multiplier"});
    }
    const std::size_t used = kFirstSkill + t.skillMultiplier.size();
    if (lines.size() > used) {
        throw SourceError(fileName, static_cast<int>(used) + 1, "unexpected line after the tables");
    }
    return t;
}

std::string formatBVText(const catalog::BVTables& t) {
    std::string text;
    text +=
        tableLine("EngineMultiplierIS", t.engineMultiplierIS.data(), t.engineMultiplierIS.size()) +
        "\n";
    text += tableLine("EngineMultiplierClan", t.engineMultiplierClan.data(),
                      t.engineMultiplierClan.size()) +
            "\n";
    text += tableLine("OffensiveSpeedFactor", t.offensiveSpeedFactor.data(),
                      t.offensiveSpeedFactor.size()) +
            "\n";
    text += tableLine("DefensiveMovementFactor", t.defensiveMovementFactor.data(),
                      t.defensiveMovementFactor.size()) +
            "\n";
    for (const catalog::SkillMultiplier& s : t.skillMultiplier) {
        text += std::string(kSkillKey) + "\t" + std::to_string(s.gunnery) + "\t" +
                std::to_string(s.piloting) + "\t" + formatDouble(s.multiplier) + "\n";
    }
    return text;
}

} // namespace fpw::datatool
