#include "catalog/generalitems.h"

#include <algorithm>
#include <array>

#include "app/numbers.h"
#include "app/userinteraction.h"
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

const GenItemRow* rowForCode(std::string_view code) {
    auto it = std::find_if(kGenItems.begin(), kGenItems.end(),
                           [code](const GenItemRow& r) { return r.code == code; });
    return it == kGenItems.end() ? nullptr : &*it;
}

const GenItemRow* rowForSaveCode(int saveCode) {
    if (saveCode == kNoSaveCode)
        return nullptr;
    auto it = std::find_if(kGenItems.begin(), kGenItems.end(),
                           [saveCode](const GenItemRow& r) { return r.saveCode == saveCode; });
    return it == kGenItems.end() ? nullptr : &*it;
}

std::string textOf(const GenItemRow& row, const DesignTypes& types) {
    switch (row.text) {
    case TextFrom::Fixed:
        return std::string(row.fixedText);
    case TextFrom::Armor:
        return armorLongName(types.armorType);
    case TextFrom::Structure:
        return structureLongName(types.isType);
    case TextFrom::HeatSink:
        return heatSinkLongName(types.hsType);
    case TextFrom::Engine:
        return engineLongName(types.engineType);
    case TextFrom::Gyro:
        return gyroLongName(types.gyroType);
    case TextFrom::JumpJet:
        return jumpJetLongName(types.jumpJetType);
    case TextFrom::Placer:
        break;
    }
    return {};
}

// The identifier without its trailing digits, as a view into it.
std::string_view baseCodeOf(std::string_view identifier) {
    const auto end = identifier.find_last_not_of("0123456789");
    return end == std::string_view::npos ? std::string_view{} : identifier.substr(0, end + 1);
}

bool isMixedTech(int techBase) {
    return techBase != kInnerSphere && techBase != kClan;
}

} // namespace

std::string genItemBaseCode(std::string_view identifier) {
    return std::string(baseCodeOf(identifier));
}

std::string genItemIdentifier(std::string_view code, int instance) {
    return std::string(code) + std::to_string(instance);
}

bool isGenItemCode(std::string_view code) {
    return rowForCode(code) != nullptr;
}

std::int16_t gGetGenItemID(std::string_view text, bool numeric) {
    if (!numeric) {
        const GenItemRow* row = rowForCode(baseCodeOf(text));
        return row ? row->saveCode : kNoSaveCode;
    }
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

std::string gConvertSaveIdxToName(const DesignTypes& types, const WeaponTable& weapons, int code,
                                  bool isWeapon, app::UserInteraction& user) {
    if (isWeapon) {
        // A design file may name a weapon the loaded database does not have.
        if (code >= 0 && static_cast<std::size_t>(code) < weapons.size()) {
            const WeaponRecord& record = weapons[static_cast<std::size_t>(code)];
            if (!isMixedTech(types.techBase))
                return record.name;
            return (record.techBase == kClan ? "(C) " : "(IS) ") + record.name;
        }
    } else if (const GenItemRow* row = rowForSaveCode(code)) {
        return textOf(*row, types);
    }
    user.message("Invalid index passed to gConvertSaveIdxToName (" + std::to_string(code) + ")");
    return {};
}

std::string genItemText(std::string_view code, const DesignTypes& types,
                        app::UserInteraction& user) {
    if (const GenItemRow* row = rowForCode(baseCodeOf(code)))
        return textOf(*row, types);
    user.message("Invalid index passed to gGetGenItemText (" + std::string(code) + ")");
    return {};
}

std::int16_t genItemSlots(std::string_view code, const DesignTypes& types, int mascSize, int tcSize,
                          app::UserInteraction& user) {
    const GenItemRow* row = rowForCode(baseCodeOf(code));
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
