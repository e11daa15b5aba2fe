#include "support/editorstate.h"

#include <array>
#include <map>
#include <sstream>

#include "catalog/locations.h"

namespace fpw::testing {

namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

std::string text(const std::string& v) {
    return "\"" + v + "\"";
}
std::string text(bool v) {
    return v ? "true" : "false";
}
std::string text(double v) {
    std::ostringstream out;
    out.precision(17);
    out << v;
    return out.str();
}
template <typename Int>
requires std::is_integral_v<Int> std::string text(Int v) {
    return std::to_string(v);
}
template <typename T, std::size_t N> std::string text(const std::array<T, N>& values) {
    std::string out;
    for (const T& v : values) {
        out += (out.empty() ? "" : " ") + text(v);
    }
    return "[" + out + "]";
}

std::string flagsText(const model::SlotFlags& f) {
    std::string out;
    const std::pair<bool, char> flags[] = {
        {f.isWeapon, 'W'},      {f.isSpecial, 'S'},       {f.isLocked, 'L'},
        {f.isActive, 'O'},      {f.isArmored, 'A'},       {f.isBaseArmored, 'B'},
        {f.isRearMounted, 'R'}, {f.isTurretMounted, 'T'}, {f.isSpread, 'P'}};
    for (const auto& [on, letter] : flags) {
        out += on ? letter : '-';
    }
    return out;
}

std::string weaponText(const model::WeaponEntry& w) {
    std::string locations;
    for (std::int16_t loc : w.locations) {
        locations += (locations.empty() ? "" : "/") + std::to_string(loc);
    }
    return "ref " + text(w.refID) + " at " + locations + " from " + text(w.startCrit) +
           (w.allocated ? " allocated" : "") + (w.rearMounted ? " rear" : "") +
           (w.turretMounted ? " turret" : "") + (w.spread ? " spread" : "") +
           (w.baseOmni ? " base" : "");
}

void addFields(Lines& lines, const model::MechFields& f) {
    // clang-format off
#define FPW_FIELD(name) lines.emplace_back("field " #name, text(f.name))
    FPW_FIELD(mechName); FPW_FIELD(mechModel); FPW_FIELD(saveFilename); FPW_FIELD(historyFile);
    FPW_FIELD(tonnage); FPW_FIELD(mechType); FPW_FIELD(techBase); FPW_FIELD(techLevel);
    FPW_FIELD(engineType); FPW_FIELD(engineRating); FPW_FIELD(gyroType); FPW_FIELD(cockpitType);
    FPW_FIELD(targSysType); FPW_FIELD(armorType); FPW_FIELD(isType); FPW_FIELD(hsType);
    FPW_FIELD(jumpJetType); FPW_FIELD(physicalType); FPW_FIELD(reserved1); FPW_FIELD(reserved2);
    FPW_FIELD(hsCount); FPW_FIELD(hsInEngine); FPW_FIELD(walking); FPW_FIELD(running);
    FPW_FIELD(sprinting); FPW_FIELD(jumping); FPW_FIELD(tsm); FPW_FIELD(supercharger);
    FPW_FIELD(nullSigSys); FPW_FIELD(limitCrits); FPW_FIELD(armless); FPW_FIELD(ltTurret);
    FPW_FIELD(fractionalAccounting); FPW_FIELD(rtTurret); FPW_FIELD(laPhysical);
    FPW_FIELD(raPhysical);
    FPW_FIELD(artemisSRM); FPW_FIELD(artemisLRM); FPW_FIELD(masc); FPW_FIELD(superchargerLoc);
    FPW_FIELD(tcSize); FPW_FIELD(mascSize); FPW_FIELD(physicalSize); FPW_FIELD(armoredSlots);
    FPW_FIELD(engineTonnage); FPW_FIELD(cockpitTonnage); FPW_FIELD(targSysTonnage);
    FPW_FIELD(weaponTonnage); FPW_FIELD(armorTonnage); FPW_FIELD(isTonnage);
    FPW_FIELD(jumpJetTonnage); FPW_FIELD(gyroTonnage); FPW_FIELD(hsTonnage); FPW_FIELD(mascTonnage);
    FPW_FIELD(caseTonnage); FPW_FIELD(lamTonnage); FPW_FIELD(physicalTonnage);
    FPW_FIELD(superchargerTonnage); FPW_FIELD(ltTurretTonnage); FPW_FIELD(rtTurretTonnage);
    FPW_FIELD(armoredSlotTonnage); FPW_FIELD(artemisTonnage); FPW_FIELD(totalTonnage);
    FPW_FIELD(freeTonnage); FPW_FIELD(armorPoints); FPW_FIELD(armorFree); FPW_FIELD(totalCost);
    FPW_FIELD(artemisCost); FPW_FIELD(battleValue); FPW_FIELD(maxHeat); FPW_FIELD(weaponHeat);
    FPW_FIELD(armor); FPW_FIELD(caseSettings); FPW_FIELD(laActuators); FPW_FIELD(raActuators);
    FPW_FIELD(armorDamage); FPW_FIELD(permArmorDamage); FPW_FIELD(intDamage);
    FPW_FIELD(permIntDamage); FPW_FIELD(locDestroyed); FPW_FIELD(omniBaseLocked);
    FPW_FIELD(baseFreeTonnage); FPW_FIELD(currentConfig);
#undef FPW_FIELD
    // clang-format on
}

void addDesign(Lines& lines, const model::Mech& mech) {
    addFields(lines, mech.fields());
    int n = 0;
    for (const model::WeaponEntry& w : mech.weapons()) {
        if (!w.isFree()) {
            lines.emplace_back("weapon #" + std::to_string(n++) + " index " +
                                   std::to_string(w.weaponIndex),
                               weaponText(w));
        }
    }
    for (const model::CritLocation& list : mech.critLocations()) {
        const std::string loc = catalog::locationAbbreviation(list.location());
        lines.emplace_back("slots " + loc, std::to_string(list.slotCount()));
        for (const model::CriticalSlot& s : list.slots()) {
            if (s.isActive || s.itemID != "" || s.text != model::kRollAgain) {
                lines.emplace_back("slot " + loc + " " + std::to_string(s.index + 1),
                                   describeSlot(s));
            }
        }
    }
    const model::OmniState& omni = mech.omniState();
    for (std::size_t i = 0; i < omni.configs.size(); ++i) {
        lines.emplace_back("omni config " + std::to_string(i + 1), text(omni.configs[i].name));
    }
}

void addDisplay(Lines& lines, const editor::EditorDisplay& d) {
    // clang-format off
#define FPW_SHOWN(name) lines.emplace_back("display " #name, text(d.name))
    FPW_SHOWN(totalTonnage); FPW_SHOWN(freeTonnage); FPW_SHOWN(freeSlots); FPW_SHOWN(maxHeat);
    FPW_SHOWN(heatDissipate); FPW_SHOWN(cost); FPW_SHOWN(bv); FPW_SHOWN(savedText);
    FPW_SHOWN(weightClass); FPW_SHOWN(overweight); FPW_SHOWN(armorPoints); FPW_SHOWN(running);
    FPW_SHOWN(sprinting); FPW_SHOWN(ltTurret); FPW_SHOWN(rtTurret); FPW_SHOWN(freeSlotCount);
    FPW_SHOWN(neededSlots);
#undef FPW_SHOWN
    // clang-format on
}

} // namespace

std::string describeSlot(const model::CriticalSlot& s) {
    return text(s.text) + " " + text(s.itemID) + " " + flagsText(s);
}

EditorState captureEditorState(const editor::Editor& editor) {
    return EditorState{editor.document(),          editor.unallocatedWeapons(),
                       editor.selectedEquipment(), editor.availableWeapons(),
                       editor.weaponTypeFilter(),  editor.ammoForCurrentWeapons(),
                       editor.display(),           editor.choices(),
                       editor.armorControls(),     editor.undoDepth(),
                       editor.redoDepth()};
}

namespace {

// The document and the display as named lines ("field tonnage", "slot LA 3", "display
// freeSlots", ...), in a fixed order; the omni configurations by name only.
Lines describeEditorState(const EditorState& s) {
    Lines lines;
    addDesign(lines, s.document.mech);
    for (const editor::UnallocatedItem& row : s.document.items.rows()) {
        lines.emplace_back("item " + row.code, text(row.count) + " x " + text(row.name) + " of " +
                                                   text(row.slotsPerItem) + " slots");
    }
    lines.emplace_back("saved", text(s.document.saved));
    lines.emplace_back("weapon type filter", text(s.weaponTypeFilter));
    lines.emplace_back("ammo for current weapons", text(s.ammoForCurrentWeapons));
    addDisplay(lines, s.display);
    lines.emplace_back("history", "undo " + text(s.undoDepth) + " redo " + text(s.redoDepth));
    return lines;
}

} // namespace

EditorState withHistoryOf(EditorState state, const EditorState& now) {
    state.undoDepth = now.undoDepth;
    state.redoDepth = now.redoDepth;
    state.armorControls = now.armorControls;
    return state;
}

::testing::AssertionResult sameEditorState(const EditorState& expected, const EditorState& actual) {
    if (expected == actual) {
        return ::testing::AssertionSuccess();
    }
    const Lines before = describeEditorState(expected);
    const Lines after = describeEditorState(actual);
    const std::map<std::string, std::string> afterByName(after.begin(), after.end());
    std::map<std::string, std::string> beforeByName;
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    result << "the editor state differs:\n";
    int differences = 0;
    for (const auto& [name, value] : before) {
        beforeByName.emplace(name, value);
        const auto it = afterByName.find(name);
        if (it == afterByName.end()) {
            result << "  " << name << ": " << value << " -> (none)\n";
            ++differences;
        } else if (it->second != value) {
            result << "  " << name << ": " << value << " -> " << it->second << "\n";
            ++differences;
        }
    }
    for (const auto& [name, value] : after) {
        if (!beforeByName.contains(name)) {
            result << "  " << name << ": (none) -> " << value << "\n";
            ++differences;
        }
    }
    const model::OmniState& omniBefore = expected.document.mech.omniState();
    const model::OmniState& omniAfter = actual.document.mech.omniState();
    for (std::size_t i = 0; i < omniBefore.configs.size() && i < omniAfter.configs.size(); ++i) {
        if (!(omniBefore.configs[i] == omniAfter.configs[i])) {
            result << "  omni config " << (i + 1) << " (" << omniBefore.configs[i].name
                   << "): contents differ\n";
            ++differences;
        }
    }
    // The base chassis, and the lists and choices the editor derives from the document, by part.
    const std::pair<const char*, bool> parts[] = {
        {"omni base chassis", omniBefore.base == omniAfter.base},
        {"unallocated weapons", expected.unallocatedWeapons == actual.unallocatedWeapons},
        {"selected equipment", expected.selectedEquipment == actual.selectedEquipment},
        {"available weapons", expected.availableWeapons == actual.availableWeapons},
        {"component choices", expected.choices == actual.choices},
        {"armor controls", expected.armorControls == actual.armorControls}};
    for (const auto& [part, same] : parts) {
        if (!same) {
            result << "  " << part << ": differ\n";
            ++differences;
        }
    }
    if (differences == 0) {
        result << "  in a part the description does not name\n";
    }
    return result;
}

} // namespace fpw::testing
