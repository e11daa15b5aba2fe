#include "catalog/generalitems.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "app/numbers.h"
#include "app/userinteraction.h"
#include "app/wordload.h"
#include "catalog/conversionerror.h"
#include "catalog/equipment.h"
#include "catalog/slottables.h"

namespace fpw::catalog {
namespace {

// Where an item's slot text comes from.
enum class TextFrom { Placer, Fixed, Armor, Structure, HeatSink, Engine, Gyro, JumpJet };
// Where an item's slot count comes from.
enum class SlotsFrom { Placer, One, MASCSize, HeatSink, TCSize, JumpJet };

struct GenItemRow {
    std::string_view code;
    std::int16_t saveCode;
    TextFrom text;
    std::string_view fixedText;
    SlotsFrom slots;
};

constexpr std::array<GenItemRow, 19> kGenItems{{
    {cArm, 1000, TextFrom::Armor, "", SlotsFrom::One},
    {cIS, 1001, TextFrom::Structure, "", SlotsFrom::One},
    {cMASC, 1002, TextFrom::Fixed, "MASC", SlotsFrom::MASCSize},
    {cTSM, 1003, TextFrom::Fixed, "Triple Strength Myomer", SlotsFrom::One},
    {cHS, 1004, TextFrom::HeatSink, "", SlotsFrom::HeatSink},
    {cSC, 1006, TextFrom::Fixed, "Supercharger", SlotsFrom::Placer},
    {cTS, kNoSaveCode, TextFrom::Fixed, "Targeting Computer", SlotsFrom::TCSize},
    {cCP, kNoSaveCode, TextFrom::Placer, "", SlotsFrom::Placer},
    {cNSS, 1008, TextFrom::Fixed, "Null Signature System", SlotsFrom::Placer},
    {cCASE, kNoSaveCode, TextFrom::Placer, "", SlotsFrom::Placer},
    {cPhy, kNoSaveCode, TextFrom::Placer, "", SlotsFrom::Placer},
    {cEng, 1011, TextFrom::Engine, "", SlotsFrom::Placer},
    {cG, 1012, TextFrom::Gyro, "", SlotsFrom::Placer},
    {cJJ, 1013, TextFrom::JumpJet, "", SlotsFrom::JumpJet},
    {cAIVL, kNoSaveCode, TextFrom::Placer, "", SlotsFrom::Placer},
    {cAVL, kNoSaveCode, TextFrom::Placer, "", SlotsFrom::Placer},
    {cAIVS, kNoSaveCode, TextFrom::Placer, "", SlotsFrom::Placer},
    {cAVS, kNoSaveCode, TextFrom::Placer, "", SlotsFrom::Placer},
    {cTur, kNoSaveCode, TextFrom::Placer, "", SlotsFrom::Placer},
}};

struct MUXNameRow {
    std::string_view slotText;
    std::string_view exportName;
};

// Engine and gyro slots are not listed: every long engine name exports as "Engine" and every
// long gyro name as "Gyro", read from the type tables so that a new type cannot be missed.
constexpr std::array<MUXNameRow, 36> kMUXNames{{
    {"EndoSteel", "EndoSteel"},
    {"Composite Structure", "CompositeStructure"},
    {"Reinforced Structure", "ReinforcedStructure"},
    {"Heat Sink", "HeatSink"},
    {"Double Heat Sink", "HeatSink"},
    {"Compact Heat Sink", "HeatSink"},
    {"(C) Double Heat Sink", "HeatSink"},
    {"2 Compact Heat Sinks", "HeatSink"},
    {"Ferro-Fibrous Armor", "FerroFibrous"},
    {"Light Ferro-Fibrous Armor", "LightFerroFibrous"},
    {"Heavy Ferro-Fibrous Armor", "HeavyFerroFibrous"},
    {"Reactive Armor", "Reactive"},
    {"Laser Reflective Armor", "LaserReflective"},
    {"Hardened Armor", "Hardened"},
    {"MASC", "Masc"},
    {"Jump Jet", "JumpJet"},
    {"Improved Jump Jet", "ImprovedJumpJet"},
    {"Targeting Computer", "TargetingComputer"},
    {"CASE", "Case"},
    {"CASE II", "Case II"},
    {"Life Support", "LifeSupport"},
    {"Sensors", "Sensors"},
    {"Cockpit", "Cockpit"},
    {"Small Cockpit", "SmallCockpit"},
    {"Enhanced Imaging Cockpit", "EICockpit"},
    {"Command Console", "CommandConsole"},
    {"Multi-Trac II", "MultiTracII"},
    {"Variable-Range Targeting", "VariableRangeTargeting"},
    {"Mace", "Mace"},
    {"Claw", "Claw"},
    {"Sword", "Sword"},
    {"Hatchet", "Axe"},
    {"Supercharger", "Supercharger"},
    {"Triple Strength Myomer", "TripleStrengthMyomer"},
    {"Artemis IV FCS", "ArtemisIV"},
    {"Artemis V FCS", "ArtemisV"},
}};

// A design file holds thousands of identifiers to look up. Item codes are short: each packs
// into one number (its bytes), which picks the code's place in a table without collisions;
// the number and the length then confirm the row.
constexpr std::size_t kPackedCodeBytes = sizeof(std::uint64_t);

constexpr std::uint64_t packedCode(std::string_view code) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        key |= std::uint64_t{static_cast<unsigned char>(code[i])} << (8 * i);
    }
    return key;
}

constexpr auto kPackedCodes = [] {
    std::array<std::uint64_t, kGenItems.size()> keys{};
    for (std::size_t i = 0; i < kGenItems.size(); ++i) {
        if (kGenItems[i].code.size() > kPackedCodeBytes) {
            throw "item code too long to pack"; // stops the compilation
        }
        keys[i] = packedCode(kGenItems[i].code);
    }
    return keys;
}();

constexpr std::size_t kMaxCodeTable = 512;

constexpr std::size_t kCodeTableSize = [] {
    for (std::size_t size = kGenItems.size(); size <= kMaxCodeTable; ++size) {
        std::array<bool, kMaxCodeTable> taken{};
        bool collision = false;
        for (const std::uint64_t key : kPackedCodes) {
            collision = collision || taken[key % size];
            taken[key % size] = true;
        }
        if (!collision) {
            return size;
        }
    }
    throw "no code table without collisions"; // stops the compilation
}();

constexpr auto kRowOfCodePlace = [] {
    std::array<std::int8_t, kCodeTableSize> rows{};
    rows.fill(-1);
    for (std::size_t i = 0; i < kPackedCodes.size(); ++i) {
        rows[kPackedCodes[i] % kCodeTableSize] = static_cast<std::int8_t>(i);
    }
    return rows;
}();

const GenItemRow* rowForCode(std::string_view code) {
    if (code.size() > kPackedCodeBytes) {
        return nullptr;
    }
    const std::uint64_t key = packedCode(code);
    const std::int8_t row = kRowOfCodePlace[key % kCodeTableSize];
    if (row < 0) {
        return nullptr;
    }
    const auto i = static_cast<std::size_t>(row);
    return kPackedCodes[i] == key && kGenItems[i].code.size() == code.size() ? &kGenItems[i]
                                                                             : nullptr;
}

// The save codes lie close together: a design file names thousands of them, so each finds
// its row by position.
constexpr std::int16_t kFirstSaveCode = kFirstGenItemSaveCode;
constexpr std::int16_t kLastSaveCode = kLastGenItemSaveCode;
constexpr auto kRowOfSaveCode = [] {
    std::array<std::int8_t, kLastSaveCode - kFirstSaveCode + 1> rows{};
    rows.fill(-1);
    for (std::size_t i = 0; i < kGenItems.size(); ++i) {
        const std::int16_t code = kGenItems[i].saveCode;
        if (code == kNoSaveCode) {
            continue;
        }
        if (code < kFirstSaveCode || code > kLastSaveCode) {
            throw "save code outside the indexed range"; // stops the compilation
        }
        if (rows[static_cast<std::size_t>(code - kFirstSaveCode)] >= 0) {
            throw "save code used twice"; // stops the compilation
        }
        rows[static_cast<std::size_t>(code - kFirstSaveCode)] = static_cast<std::int8_t>(i);
    }
    return rows;
}();

// An identifier is its item's code with digits behind it, so a code ending in a digit could
// not be told from its instance number.
static_assert(std::none_of(kGenItems.begin(), kGenItems.end(), [](const GenItemRow& row) {
    return row.code.back() >= '0' && row.code.back() <= '9';
}));

// The first and the last four bytes of a text of 4 to 8 bytes, or its first and last two of 2
// or 3, as one number: equal for two texts of the same length only when the texts are.
template <typename Text> constexpr std::uint64_t codeEnds(const Text& text, std::size_t length) {
    const auto bytes = [&](std::size_t from, std::size_t count) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            value |= std::uint64_t{static_cast<unsigned char>(text[from + i])} << (8 * i);
        }
        return value;
    };
    const std::size_t half = length >= 4 ? 4 : 2;
    return bytes(0, half) | bytes(length - half, half) << 32;
}
// The same from an identifier's bytes in two loads.
std::uint64_t codeEnds(const char* text, std::size_t length) {
    if (length >= 4) {
        return app::loadWord<std::uint32_t>(text) |
               std::uint64_t{app::loadWord<std::uint32_t>(text + length - 4)} << 32;
    }
    return app::loadWord<std::uint16_t>(text) |
           std::uint64_t{app::loadWord<std::uint16_t>(text + length - 2)} << 32;
}

constexpr auto kCodeEnds = [] {
    std::array<std::uint64_t, kGenItems.size()> ends{};
    for (std::size_t i = 0; i < kGenItems.size(); ++i) {
        const std::string_view code = kGenItems[i].code;
        if (code.size() < 2 || code.size() > 8) {
            // Stops the compilation.
            throw "item code too short or too long to compare in two loads";
        }
        ends[i] = codeEnds(code, code.size());
    }
    return ends;
}();

const GenItemRow* rowForSaveCode(int saveCode) {
    if (saveCode < kFirstSaveCode || saveCode > kLastSaveCode)
        return nullptr;
    const std::int8_t row = kRowOfSaveCode[static_cast<std::size_t>(saveCode - kFirstSaveCode)];
    return row < 0 ? nullptr : &kGenItems[static_cast<std::size_t>(row)];
}

std::string_view textOf(const GenItemRow& row, const DesignTypes& types) {
    switch (row.text) {
    case TextFrom::Fixed:
        return row.fixedText;
    case TextFrom::Armor:
        return longNameIn(armorTypeTable(), types.armorType);
    case TextFrom::Structure:
        return longNameIn(structureTypeTable(), types.isType);
    case TextFrom::HeatSink:
        return longNameIn(heatSinkTypeTable(), types.hsType);
    case TextFrom::Engine:
        return longNameIn(engineTypeTable(), types.engineType);
    case TextFrom::Gyro:
        return longNameIn(gyroTypeTable(), types.gyroType);
    case TextFrom::JumpJet:
        return longNameIn(jumpJetTypeTable(), types.jumpJetType);
    case TextFrom::Placer:
        break;
    }
    return {};
}

// An instance number as the file writes it: plain decimal digits within the Integer range.
// Anything else goes the general way of a number typed as text.
std::optional<std::int16_t> plainInstanceNumber(std::string_view text) {
    if (text.empty() || text.size() > 5) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

bool isMixedTech(int techBase) {
    return techBase != kInnerSphere && techBase != kClan;
}

} // namespace

std::string_view genItemBaseCode(std::string_view identifier) {
    std::size_t end = identifier.size();
    while (end > 0 && identifier[end - 1] >= '0' && identifier[end - 1] <= '9') {
        --end;
    }
    return identifier.substr(0, end);
}

std::string genItemIdentifier(std::string_view code, int instance) {
    return std::string(code) + std::to_string(instance);
}

bool isGenItemCode(std::string_view code) {
    return rowForCode(code) != nullptr;
}

std::int16_t gGetGenItemID(std::string_view text, bool numeric) {
    if (!numeric) {
        const GenItemRow* row = rowForCode(genItemBaseCode(text));
        return row ? row->saveCode : kNoSaveCode;
    }
    if (const std::optional<std::int16_t> plain = plainInstanceNumber(text))
        return *plain;
    std::optional<double> number = app::parseNumber(text);
    if (!number)
        throw ConversionError();
    std::optional<std::int16_t> value = app::tryToInteger(*number);
    if (!value)
        throw ConversionError(app::failure::kOverflow, "Overflow");
    return *value;
}

std::string genItemCodeForSaveCode(int saveCode) {
    const GenItemRow* row = rowForSaveCode(saveCode);
    return row ? std::string(row->code) : std::string();
}

bool isGenItemSaveCode(int saveCode) {
    return rowForSaveCode(saveCode) != nullptr;
}

bool isIdentifierOfSaveCode(std::string_view identifier, int saveCode) {
    // Save codes belong to one item each, and no item code ends in a digit: the identifier is
    // the item's code and then digits only. A design file checks thousands of them: the code
    // is compared in two loads that overlap where it is short, the instance digits (one or
    // two) one by one.
    const GenItemRow* row = rowForSaveCode(saveCode);
    const std::size_t length = row == nullptr ? 0 : row->code.size();
    if (row == nullptr || identifier.size() < length) {
        return false;
    }
    if (codeEnds(identifier.data(), length) !=
        kCodeEnds[static_cast<std::size_t>(row - kGenItems.data())]) {
        return false;
    }
    for (const char c : identifier.substr(length)) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<SaveIdxName> saveIdxNameParts(const DesignTypes& types, const WeaponTable& weapons,
                                            int code, bool isWeapon) {
    if (isWeapon) {
        // A design file may name a weapon the loaded database does not have.
        if (code < 0 || static_cast<std::size_t>(code) >= weapons.size()) {
            return std::nullopt;
        }
        const WeaponRecord& record = weapons[static_cast<std::size_t>(code)];
        const std::string_view mark = !isMixedTech(types.techBase) ? ""
                                      : record.techBase == kClan   ? "(C) "
                                                                   : "(IS) ";
        return SaveIdxName{mark, record.name};
    }
    if (const GenItemRow* row = rowForSaveCode(code)) {
        return SaveIdxName{{}, textOf(*row, types)};
    }
    return std::nullopt;
}

GenItemNames::GenItemNames(const DesignTypes& types) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (const GenItemRow* row = rowForSaveCode(kFirstSaveCode + static_cast<int>(i))) {
            names_[i] = textOf(*row, types);
        }
    }
}

std::string gConvertSaveIdxToName(const DesignTypes& types, const WeaponTable& weapons, int code,
                                  bool isWeapon, app::UserInteraction& user) {
    if (const std::optional<SaveIdxName> parts = saveIdxNameParts(types, weapons, code, isWeapon)) {
        std::string name;
        name.reserve(parts->mark.size() + parts->name.size());
        name.append(parts->mark).append(parts->name);
        return name;
    }
    user.message("Invalid index passed to gConvertSaveIdxToName (" + std::to_string(code) + ")");
    return {};
}

std::string genItemText(std::string_view code, const DesignTypes& types,
                        app::UserInteraction& user) {
    if (const GenItemRow* row = rowForCode(genItemBaseCode(code)))
        return std::string(textOf(*row, types));
    user.message("Invalid index passed to gGetGenItemText (" + std::string(code) + ")");
    return {};
}

std::int16_t genItemSlots(std::string_view code, const DesignTypes& types, int mascSize, int tcSize,
                          app::UserInteraction& user) {
    const GenItemRow* row = rowForCode(genItemBaseCode(code));
    if (!row) {
        user.message("Invalid index passed to gGetGenItemSlots (" + std::string(code) + ")");
        return 0;
    }
    switch (row->slots) {
    case SlotsFrom::One:
        return 1;
    case SlotsFrom::MASCSize:
        return static_cast<std::int16_t>(mascSize);
    case SlotsFrom::HeatSink:
        return heatSinkSlots(types.hsType, types.techBase);
    case SlotsFrom::TCSize:
        return static_cast<std::int16_t>(tcSize);
    case SlotsFrom::JumpJet:
        return types.jumpJetType != jumpjet::kStandard ? 2 : 1;
    case SlotsFrom::Placer:
        break;
    }
    return 0;
}

std::string gGetMUXItemName(std::string_view slotText, app::UserInteraction& user) {
    auto it = std::find_if(kMUXNames.begin(), kMUXNames.end(),
                           [slotText](const MUXNameRow& r) { return r.slotText == slotText; });
    if (it != kMUXNames.end())
        return std::string(it->exportName);
    for (const TypeText& engine : engineTypeTable())
        if (engine.longName == slotText)
            return "Engine";
    for (const TypeText& gyro : gyroTypeTable())
        if (gyro.longName == slotText)
            return "Gyro";
    user.message("gGetMUXItemName could not find item: " + std::string(slotText));
    return {};
}

} // namespace fpw::catalog
