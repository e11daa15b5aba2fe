#include "io/muxexport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

#include "app/ansi.h"
#include "app/errorreporter.h"
#include "app/files.h"
#include "app/numbers.h"
#include "app/programcontext.h"
#include "app/textutil.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/movement.h"
#include "model/mech.h"

namespace fpw::io {
namespace {

using model::CriticalSlot;
using model::Mech;
using model::WeaponEntry;

constexpr std::string_view kProcedure = "Mech.SaveMUXFile";

// Weapon-database positions that the server knows as specials, in the order they are tested.
struct WeaponSpecial {
    std::int16_t refID;
    std::string_view name;
};
constexpr std::array<WeaponSpecial, 9> kWeaponSpecials{{
    {44, "ECM"},
    {208, "ECM"},
    {64, "IS_AMS"},
    {76, "BeagleProbe"},
    {207, "BeagleProbe"},
    {281, "BeagleProbe"},
    {77, "C3SlaveTech"},
    {78, "C3MasterTech"},
    {185, "CL_AMS"},
}};

// The four actuator lines of a limb, by slot.
constexpr std::array<std::string_view, 4> kActuatorNames{"ShoulderOrHip", "UpperActuator",
                                                         "LowerActuator", "HandOrFootActuator"};

// Fixed actuator entries that an arm's slot lines may meet (a hand without a lower arm
// actuator): they export under the actuator lines' own names.
struct FixedEntry {
    std::string_view text;
    std::string_view muxName;
};
constexpr std::array<FixedEntry, 8> kFixedActuators{{
    {"Shoulder", "ShoulderOrHip"},
    {"Hip", "ShoulderOrHip"},
    {"Upper Arm Actuator", "UpperActuator"},
    {"Upper Leg Actuator", "UpperActuator"},
    {"Lower Arm Actuator", "LowerActuator"},
    {"Lower Leg Actuator", "LowerActuator"},
    {"Hand Actuator", "HandOrFootActuator"},
    {"Foot Actuator", "HandOrFootActuator"},
}};

std::string number(long value) {
    return std::to_string(value);
}

std::string moveType(std::int16_t mechType) {
    switch (mechType) {
    case catalog::kQuad:
        return "Quad";
    case catalog::kLAM:
        return "LAM";
    default:
        return "Biped";
    }
}

std::string locationName(int loc, bool quad) {
    switch (loc) {
    case catalog::kLeftArm:
        return quad ? "Front_Left_Leg" : "Left_Arm";
    case catalog::kRightArm:
        return quad ? "Front_Right_Leg" : "Right_Arm";
    case catalog::kLeftLeg:
        return quad ? "Rear_Left_Leg" : "Left_Leg";
    case catalog::kRightLeg:
        return quad ? "Rear_Right_Leg" : "Right_Leg";
    case catalog::kLeftTorso:
        return "Left_Torso";
    case catalog::kRightTorso:
        return "Right_Torso";
    case catalog::kCenterTorso:
        return "Center_Torso";
    default:
        return "Head";
    }
}

int rearPosition(int loc) {
    switch (loc) {
    case catalog::kLeftTorso:
        return catalog::kLeftTorsoRear;
    case catalog::kRightTorso:
        return catalog::kRightTorsoRear;
    case catalog::kCenterTorso:
        return catalog::kCenterTorsoRear;
    default:
        return -1;
    }
}

// The live weapon whose instance number the identifier names, or null.
const WeaponEntry* liveWeapon(const Mech& mech, std::string_view itemID) {
    int instance = 0;
    const char* end = itemID.data() + itemID.size();
    const auto [ptr, ec] = std::from_chars(itemID.data(), end, instance);
    if (itemID.empty() || ec != std::errc{} || ptr != end)
        return nullptr;
    for (const WeaponEntry& entry : mech.weapons())
        if (!entry.isFree() && entry.weaponIndex == instance)
            return &entry;
    return nullptr;
}

std::vector<std::string> specials(const Mech& mech) {
    std::vector<std::string> list;
    const std::int16_t hs = mech.hsType();
    if (hs >= catalog::heatsink::kDouble && hs <= catalog::heatsink::kClanDouble)
        list.emplace_back("DoubleHS");
    if (mech.masc() != 0)
        list.emplace_back("Masc");
    if (mech.tsm())
        list.emplace_back("TripleMyomerTech");
    const bool armsLowerOrHand = mech.GetLAActuator(2) || mech.GetLAActuator(3) ||
                                 mech.GetRAActuator(2) || mech.GetRAActuator(3);
    if (!mech.armless() && !armsLowerOrHand)
        list.emplace_back("FlipArms");
    if (mech.techBase() == catalog::kClan)
        list.emplace_back("Clan");
    if (mech.artemisSRM() != 0 || mech.artemisLRM() != 0)
        list.emplace_back("ArtemisIV");
    if (mech.armorType() == catalog::armor::kFerroFibrous)
        list.emplace_back("FerroFibrous_Tech");
    else if (mech.armorType() == catalog::armor::kHardened)
        list.emplace_back("HardenedArmor_Tech");
    switch (mech.isType()) {
    case catalog::structure::kEndoSteel:
        list.emplace_back("EndoSteel_Tech");
        break;
    case catalog::structure::kComposite:
        list.emplace_back("CompositeInternal_Tech");
        break;
    case catalog::structure::kReinforced:
        list.emplace_back("ReinforcedInternal_Tech");
        break;
    default:
        break;
    }
    switch (mech.engineType()) {
    case catalog::engine::kXL:
        list.emplace_back("XLEngine_Tech");
        break;
    case catalog::engine::kXXL:
        list.emplace_back("XXL_Tech");
        break;
    case catalog::engine::kCompact:
        list.emplace_back("CompactEngine_Tech");
        break;
    default:
        break;
    }
    for (const WeaponEntry& entry : mech.weapons()) {
        if (entry.isFree())
            continue;
        const auto found =
            std::find_if(kWeaponSpecials.begin(), kWeaponSpecials.end(),
                         [&entry](const WeaponSpecial& s) { return s.refID == entry.refID; });
        if (found != kWeaponSpecials.end())
            list.emplace_back(found->name);
    }
    return list;
}

std::string critKey(int firstSlot, int lastSlot) {
    std::string key = "    CRIT_" + number(firstSlot + 1);
    if (lastSlot > firstSlot) {
        key += '-';
        key += number(lastSlot + 1);
    }
    return key;
}

// The statement value of a weapon: its database MUX name followed by as many "-" fields as
// its blanks leave room for; nothing when the name has more than two blanks.
std::optional<std::string> weaponValue(const Mech& mech, const WeaponEntry& weapon) {
    const catalog::WeaponTable& table = mech.context().weapons;
    if (weapon.refID < 0 || static_cast<std::size_t>(weapon.refID) >= table.size())
        return std::nullopt;
    const std::string& name = table[static_cast<std::size_t>(weapon.refID)].muxName;
    switch (std::count(name.begin(), name.end(), ' ')) {
    case 0:
        return name + (weapon.rearMounted ? " - RearMount" : " - -");
    case 1:
        return name + " -";
    case 2:
        return name;
    default:
        return std::nullopt;
    }
}

std::optional<std::string> itemValue(const Mech& mech, const CriticalSlot& slot) {
    const auto fixed = std::find_if(kFixedActuators.begin(), kFixedActuators.end(),
                                    [&slot](const FixedEntry& e) { return e.text == slot.text; });
    if (fixed != kFixedActuators.end())
        return std::string(fixed->muxName) + " - -";
    const std::string name = catalog::gGetMUXItemName(slot.text, mech.context().user);
    if (name.empty())
        return std::nullopt;
    return name + " - -";
}

// The slot lines from `firstSlot` on: free slots give none, consecutive slots of one weapon
// or of one general item code with one text give one line.
void appendSlotLines(const Mech& mech, int loc, int firstSlot, std::vector<std::string>& lines) {
    const std::vector<CriticalSlot>& slots = mech.critLocation(loc).slots();
    const int count = static_cast<int>(slots.size());
    int i = std::max(firstSlot, 0);
    while (i < count) {
        const CriticalSlot& first = slots[static_cast<std::size_t>(i)];
        if (!first.isActive) {
            ++i;
            continue;
        }
        const WeaponEntry* weapon = liveWeapon(mech, first.itemID);
        const std::string_view code =
            weapon ? std::string_view() : catalog::genItemBaseCode(first.itemID);
        int last = i;
        while (last + 1 < count) {
            const CriticalSlot& next = slots[static_cast<std::size_t>(last + 1)];
            if (!next.isActive)
                break;
            const bool same = weapon ? next.itemID == first.itemID
                                     : liveWeapon(mech, next.itemID) == nullptr &&
                                           catalog::genItemBaseCode(next.itemID) == code &&
                                           next.text == first.text;
            if (!same)
                break;
            ++last;
        }
        const std::optional<std::string> value =
            weapon ? weaponValue(mech, *weapon) : itemValue(mech, first);
        if (value)
            lines.push_back(muxStatement(critKey(i, last), *value));
        i = last + 1;
    }
}

void appendLocation(const Mech& mech, int loc, std::vector<std::string>& lines) {
    const bool quad = mech.mechType() == catalog::kQuad;
    lines.push_back(locationName(loc, quad));
    lines.push_back(muxStatement("  Armor", number(mech.GetArmor(loc))));
    lines.push_back(muxStatement(
        "  Internals", number(catalog::gGetISPoints(loc, mech.tonnage(), mech.mechType()))));
    if (const int rear = rearPosition(loc); rear >= 0)
        lines.push_back(muxStatement("  Rear", number(mech.GetArmor(rear))));

    int firstSlotLine = 0;
    if (loc == catalog::kLeftLeg || loc == catalog::kRightLeg) {
        for (int a = 0; a < 4; ++a)
            lines.push_back(muxStatement(critKey(a, a), std::string(kActuatorNames[a]) + " - -"));
        firstSlotLine = 4;
    } else if (loc == catalog::kLeftArm || loc == catalog::kRightArm) {
        const auto actuator = [&](int i) {
            return loc == catalog::kLeftArm ? mech.GetLAActuator(i) : mech.GetRAActuator(i);
        };
        int written = 2;
        if (actuator(2)) {
            written = 3;
            if (actuator(3))
                written = 4;
        }
        for (int a = 0; a < written; ++a)
            lines.push_back(muxStatement(critKey(a, a), std::string(kActuatorNames[a]) + " - -"));
        // The slot lines start after the last actuator line written, so an arm without lower
        // arm and hand actuators lists what its third and fourth slots hold.
        firstSlotLine = written;
    }
    appendSlotLines(mech, loc, firstSlotLine, lines);
}

} // namespace

std::string muxStatement(std::string_view key, std::string_view value) {
    std::string line(key);
    line.append(line.size() < kMUXKeyWidth ? kMUXKeyWidth - line.size() : 1, ' ');
    line += "{ ";
    line += value;
    line += " }";
    return line;
}

std::string muxSpeed(int movementPoints) {
    return app::formatFixed(catalog::gSpeedKph(movementPoints), 2, false, false);
}

std::vector<std::string> muxExportLines(const Mech& mech) {
    std::vector<std::string> lines;
    lines.push_back(muxStatement("Name", mech.mechName()));
    lines.push_back(muxStatement("Reference", mech.mechModel()));
    lines.push_back(muxStatement("Type", "Mech"));
    lines.push_back(muxStatement("Move_Type", moveType(mech.mechType())));
    lines.push_back(muxStatement("Tons", number(mech.tonnage())));
    const long heatSinks =
        mech.hsType() == catalog::heatsink::kSingle ? mech.hsCount() : 2L * mech.hsCount();
    lines.push_back(muxStatement("Heat_Sinks", number(heatSinks)));
    lines.push_back(muxStatement("Max_Speed", muxSpeed(mech.running())));
    if (mech.jumping() > 0)
        lines.push_back(muxStatement("Jump_Speed", muxSpeed(mech.jumping())));
    const std::vector<std::string> list = specials(mech);
    if (!list.empty()) {
        std::string joined;
        for (const std::string& special : list)
            joined = app::gAppendWithSeparator(joined, special, " ");
        lines.push_back(muxStatement("Specials", joined));
    }

    if (!mech.armless()) {
        appendLocation(mech, catalog::kLeftArm, lines);
        appendLocation(mech, catalog::kRightArm, lines);
    }
    for (int loc : {catalog::kLeftTorso, catalog::kRightTorso, catalog::kCenterTorso,
                    catalog::kLeftLeg, catalog::kRightLeg, catalog::kHead})
        appendLocation(mech, loc, lines);
    return lines;
}

bool SaveMUXFile(const Mech& mech, const std::string& path) {
    std::string text;
    for (const std::string& line : muxExportLines(mech)) {
        text += line;
        text += "\r\n";
    }
    std::string error;
    app::ProgramContext& ctx = mech.context();
    if (!app::writeFileAtomically(*ctx.files, path, app::utf8ToAnsi(text), &error)) {
        ctx.errors.report(kProcedure, app::Failure{app::failure::kPathFileAccessError, error});
        return false;
    }
    return true;
}

} // namespace fpw::io
