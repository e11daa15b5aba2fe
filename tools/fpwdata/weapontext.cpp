#include "fpwdata/weapontext.h"

#include <map>
#include <utility>

#include "fpwdata/sourcetext.h"

namespace fpw::datatool {

const std::array<std::string_view, kWeaponColumnCount> kWeaponColumns = {
    "Name",           "WeaponType",    "TechLevel",
    "TechBase",       "Tonnage",       "Unnamed6",
    "Unnamed7",       "Heat",          "Damage",
    "MinRange",       "ShortRange",    "MediumRange",
    "LongRange",      "ExtremeRange",  "RangeUnit",
    "CritSlots",      "Unnamed17",     "Unnamed18",
    "Spreadable",     "Cost",          "CombatValue",
    "BattleValue",    "ShotsPerTon",   "DamagePer",
    "MaxDamage",      "TCLinkable",    "AmmoWeaponType",
    "AmmoCodes",      "DefensiveItem", "HasManufacturers",
    "Manufacturers",  "AverageDamage", "ToHitModifier",
    "Explosive",      "AmmoTypeText",  "AmmoPrintName",
    "ArtemisCapable", "ArtemisClass",  "OmniArmActuatorsAllowed",
    "MUXName"};

namespace {

using Bytes8 = std::array<std::uint8_t, 8>;

// The two uninterpreted 8-byte fields are kept as 16 hex digits, byte 0 first.
Bytes8 parseBytes(std::string_view cell, const CellPlace& where) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    Bytes8 bytes{};
    bool valid = cell.size() == 16;
    for (std::size_t i = 0; valid && i < 8; ++i) {
        const int high = digit(cell[2 * i]);
        const int low = digit(cell[2 * i + 1]);
        valid = high >= 0 && low >= 0;
        bytes[i] = static_cast<std::uint8_t>(valid ? high * 16 + low : 0);
    }
    if (!valid) {
        throw SourceError(where.file, where.line,
                          "column " + std::string(where.column) + ": \"" + std::string(cell) +
                              "\" is not 16 hex digits (0-9, A-F)");
    }
    return bytes;
}

std::string formatBytes(const Bytes8& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
    }
    return text;
}

std::vector<std::int16_t> parseCodes(std::string_view cell, const CellPlace& where) {
    std::vector<std::int16_t> codes;
    if (cell.empty()) {
        return codes;
    }
    for (const std::string& part : splitCells(cell, kListSeparator)) {
        codes.push_back(parseInteger(part, where));
    }
    return codes;
}

std::vector<std::string> parseNames(std::string_view cell, const CellPlace& where) {
    std::vector<std::string> names;
    if (cell.empty()) {
        return names;
    }
    names = splitCells(cell, kListSeparator);
    for (const std::string& name : names) {
        // An empty entry could not be told apart from a stray separator when read back.
        if (name.empty()) {
            throw SourceError(where.file, where.line,
                              "column " + std::string(where.column) + ": empty list entry");
        }
    }
    return names;
}

std::string formatCodes(const std::vector<std::int16_t>& codes) {
    std::vector<std::string> cells;
    for (const std::int16_t code : codes) {
        cells.push_back(std::to_string(code));
    }
    return joinCells(cells, kListSeparator);
}

// Text cells may hold anything but the two characters that structure the file.
std::string textCell(std::string_view cell, const CellPlace& where) {
    if (cell.find('\r') != std::string_view::npos) {
        throw SourceError(where.file, where.line,
                          "column " + std::string(where.column) + ": carriage return inside text");
    }
    return std::string(cell);
}

catalog::WeaponRecord parseRecord(const std::vector<std::string>& c, std::string_view file,
                                  int line) {
    CellPlace at{file, line, {}};
    auto place = [&](std::size_t i) -> const CellPlace& {
        at.column = kWeaponColumns[i];
        return at;
    };
    catalog::WeaponRecord r;
    r.name = textCell(c[0], place(0));
    if (r.name.empty()) {
        throw SourceError(file, line, "column Name: a record needs a name");
    }
    r.weaponType = parseInteger(c[1], place(1));
    r.techLevel = parseInteger(c[2], place(2));
    r.techBase = parseInteger(c[3], place(3));
    r.tonnage = parseDouble(c[4], place(4));
    r.unnamed6 = parseInteger(c[5], place(5));
    r.unnamed7 = parseBytes(c[6], place(6));
    r.heat = parseInteger(c[7], place(7));
    r.damage = parseInteger(c[8], place(8));
    r.minRange = parseInteger(c[9], place(9));
    r.shortRange = parseInteger(c[10], place(10));
    r.mediumRange = parseInteger(c[11], place(11));
    r.longRange = parseInteger(c[12], place(12));
    r.extremeRange = parseInteger(c[13], place(13));
    r.rangeUnit = textCell(c[14], place(14));
    r.critSlots = parseInteger(c[15], place(15));
    r.unnamed17 = parseInteger(c[16], place(16));
    r.unnamed18 = parseBytes(c[17], place(17));
    r.spreadable = parseBoolean(c[18], place(18));
    r.cost = parseLong(c[19], place(19));
    r.combatValue = parseInteger(c[20], place(20));
    r.battleValue = parseDouble(c[21], place(21));
    r.shotsPerTon = parseInteger(c[22], place(22));
    r.damagePer = textCell(c[23], place(23));
    r.maxDamage = parseInteger(c[24], place(24));
    r.tcLinkable = parseInteger(c[25], place(25));
    r.ammoWeaponType = parseInteger(c[26], place(26));
    r.ammoCodes = parseCodes(c[27], place(27));
    r.defensiveItem = parseInteger(c[28], place(28));
    r.hasManufacturers = parseBoolean(c[29], place(29));
    r.manufacturers = parseNames(c[30], place(30));
    r.averageDamage = parseInteger(c[31], place(31));
    r.toHitModifier = parseInteger(c[32], place(32));
    r.explosive = parseInteger(c[33], place(33));
    r.ammoTypeText = textCell(c[34], place(34));
    r.ammoPrintName = textCell(c[35], place(35));
    r.artemisCapable = parseInteger(c[36], place(36));
    r.artemisClass = parseInteger(c[37], place(37));
    r.omniArmActuatorsAllowed = parseInteger(c[38], place(38));
    r.muxName = textCell(c[39], place(39));
    // The editor offers the list exactly when the flag says it is filled.
    if (r.hasManufacturers != !r.manufacturers.empty()) {
        throw SourceError(file, line,
                          "column HasManufacturers: must be True exactly when Manufacturers "
                          "lists names");
    }
    return r;
}

std::vector<std::string> formatRecord(const catalog::WeaponRecord& r) {
    auto n = [](auto value) { return std::to_string(value); };
    return {r.name,
            n(r.weaponType),
            n(r.techLevel),
            n(r.techBase),
            formatDouble(r.tonnage),
            n(r.unnamed6),
            formatBytes(r.unnamed7),
            n(r.heat),
            n(r.damage),
            n(r.minRange),
            n(r.shortRange),
            n(r.mediumRange),
            n(r.longRange),
            n(r.extremeRange),
            r.rangeUnit,
            n(r.critSlots),
            n(r.unnamed17),
            formatBytes(r.unnamed18),
            formatBoolean(r.spreadable),
            n(r.cost),
            n(r.combatValue),
            formatDouble(r.battleValue),
            n(r.shotsPerTon),
            r.damagePer,
            n(r.maxDamage),
            n(r.tcLinkable),
            n(r.ammoWeaponType),
            formatCodes(r.ammoCodes),
            n(r.defensiveItem),
            formatBoolean(r.hasManufacturers),
            joinCells(r.manufacturers, kListSeparator),
            n(r.averageDamage),
            n(r.toHitModifier),
            n(r.explosive),
            r.ammoTypeText,
            r.ammoPrintName,
            n(r.artemisCapable),
            n(r.artemisClass),
            n(r.omniArmActuatorsAllowed),
            r.muxName};
}

std::string headerLine() {
    std::string line;
    for (std::size_t i = 0; i < kWeaponColumns.size(); ++i) {
        if (i > 0) {
            line += '\t';
        }
        line += kWeaponColumns[i];
    }
    return line;
}

} // namespace

catalog::WeaponTable parseWeaponText(std::string_view text, std::string_view fileName) {
    const std::vector<std::string> lines = splitSourceLines(text);
    if (lines.empty() || lines[0] != headerLine()) {
        throw SourceError(fileName, 1,
                          "the first line must be the header row naming the " +
                              std::to_string(kWeaponColumnCount) +
                              " fields, tab-separated, starting with \"Name\tWeaponType\"");
    }
    catalog::WeaponTable table;
    std::map<std::pair<std::string, std::int16_t>, int> firstLine;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        if (lines[i].empty()) {
            throw SourceError(fileName, lineNumber, "empty line; every line holds one record");
        }
        const std::vector<std::string> cells = splitCells(lines[i], '\t');
        if (cells.size() != kWeaponColumnCount) {
            throw SourceError(fileName, lineNumber,
                              "expected " + std::to_string(kWeaponColumnCount) +
                                  " tab-separated columns, found " + std::to_string(cells.size()));
        }
        catalog::WeaponRecord record = parseRecord(cells, fileName, lineNumber);
        const auto [it, inserted] =
            firstLine.emplace(std::make_pair(record.name, record.techBase), lineNumber);
        if (!inserted) {
            throw SourceError(fileName, lineNumber,
                              "\"" + record.name + "\" with tech base " +
                                  std::to_string(record.techBase) + " is already on line " +
                                  std::to_string(it->second));
        }
        table.push_back(std::move(record));
    }
    if (table.empty()) {
        throw SourceError(fileName, 1, "the table holds no records");
    }
    return table;
}

std::string formatWeaponText(const catalog::WeaponTable& table) {
    std::string text = headerLine() + "\n";
    for (const catalog::WeaponRecord& record : table) {
        text += joinCells(formatRecord(record), '\t');
        text += '\n';
    }
    return text;
}

} // namespace fpw::datatool
