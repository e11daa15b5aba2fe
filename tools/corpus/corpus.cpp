#include "corpus.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <system_error>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "clicontext.h"
#include "editor/allocation.h"
#include "editor/armor.h"
#include "editor/components.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/omnirules.h"
#include "editor/spread.h"
#include "editor/systems.h"
#include "editor/weaponlistactions.h"

namespace fpw::corpus {
namespace {

using catalog::WeaponRecord;
using editor::Editor;

// Where weapons go first: side torsos, arms, centre torso, legs, head.
constexpr std::array<int, 8> kPlacementOrder = {
    catalog::kRightTorso,  catalog::kLeftTorso, catalog::kRightArm, catalog::kLeftArm,
    catalog::kCenterTorso, catalog::kRightLeg,  catalog::kLeftLeg,  catalog::kHead};

// The arm actuators as the actuator options number them.
constexpr int kLowerArm = 2;
constexpr int kHand = 3;

constexpr std::array<const char*, 8> kNames = {"Harrowgate", "Tarrask", "Skyreach", "Chimera",
                                               "Vantor",     "Kestrel", "Morrow",   "Ashfall"};

// The weapon just added: the unallocated one with the highest instance number.
std::int16_t newestUnallocated(const Editor& editor) {
    std::int16_t newest = -1;
    for (const editor::WeaponRow& row : editor.unallocatedWeapons())
        newest = std::max(newest, row.weaponIndex);
    return newest;
}

// After a weapon was placed: true when it pushed nothing out of the slots, else the
// placement is undone.
bool keptEverything(Editor& editor) {
    if (editor.unallocatedWeapons().empty() && editor.items().empty())
        return true;
    editor.undo();
    return false;
}

// The free slots of a location from `slot` on, up to the first occupied one.
int freeRun(const model::CritLocation& list, int slot) {
    int run = 0;
    while (slot + run < list.slotCount() && !list.IsOccupied(slot + run))
        ++run;
    return run;
}

// Spreads a weapon from its free run in the primary location over a neighbour, as a person
// would answer the spread dialog; taken back when the spread had to push anything out.
bool spread(Editor& editor, const editor::SpreadRequest& request) {
    const model::Mech& mech = editor.mech();
    const int primary = std::min(
        request.need, freeRun(mech.critLocation(request.primaryLocation), request.startSlot));
    for (const editor::SpreadLocation& other : request.secondaries) {
        const int rest = request.need - primary;
        if (rest > other.maximum || rest > mech.critLocation(other.location).FreeSlotCount())
            continue;
        if (editor::ApplySpread(editor, request, {primary, other.location, rest}) &&
            keptEverything(editor))
            return true;
    }
    return false;
}

// Drops the weapon at the start of the first free run, in placement order, that takes it,
// spread over a neighbour where it must.
bool dropAnywhere(Editor& editor, std::int16_t weaponIndex) {
    for (int loc : kPlacementOrder) {
        const model::CritLocation& list = editor.mech().critLocation(loc);
        for (int s = 0; s < list.slotCount(); ++s) {
            if (list.IsOccupied(s) || (s > 0 && !list.IsOccupied(s - 1)))
                continue;
            const editor::WeaponDrop drop = editor::DropWeapon(editor, loc, s, weaponIndex);
            if ((drop.result == editor::DropResult::Placed && keptEverything(editor)) ||
                (drop.result == editor::DropResult::NeedsSpread && spread(editor, *drop.spread)))
                return true;
        }
    }
    return false;
}

// Adds the weapon through the weapon list and drops it into free slots; a weapon that fits
// nowhere, or would make the design overweight, is taken out again.
bool placeWeapon(Editor& editor, std::int16_t refID) {
    const WeaponRecord& record = editor.context().weapons[static_cast<std::size_t>(refID)];
    if (record.tonnage > editor.mech().freeTonnage() || !editor::AddWeapons(editor, {refID}))
        return false;
    const std::int16_t index = newestUnallocated(editor);
    if (index < 0)
        return false;
    if (dropAnywhere(editor, index) && editor.mech().freeTonnage() >= 0)
        return true;
    editor::RemoveWeapon(editor, index);
    return false;
}

// What the available-weapons list offers, weapons, ammunition and artillery apart; weapons of
// more than seven slots are left out but for the artillery piece with the fewest slots.
struct Choices {
    std::vector<std::int16_t> weapons;
    std::vector<std::int16_t> ammunition;
    std::optional<std::int16_t> artillery;
};

Choices choicesOf(const Editor& editor) {
    Choices c;
    const catalog::WeaponTable& table = editor.context().weapons;
    for (const editor::AvailableWeapon& row : editor.availableWeapons()) {
        const WeaponRecord& r = table[static_cast<std::size_t>(row.refID)];
        if (r.weaponType == catalog::weapontype::kArtillery) {
            if (!c.artillery ||
                r.critSlots < table[static_cast<std::size_t>(*c.artillery)].critSlots)
                c.artillery = row.refID;
        } else if (r.critSlots > 7) {
            continue;
        } else if (r.weaponType == catalog::weapontype::kAmmunition)
            c.ammunition.push_back(row.refID);
        else
            c.weapons.push_back(row.refID);
    }
    return c;
}

// A few weapons picked by the design number, each ammunition user with one ton of its ammo.
void arm(Editor& editor, const Choices& choices, int n, int count) {
    if (choices.weapons.empty())
        return;
    const catalog::WeaponTable& table = editor.context().weapons;
    for (int w = 0; w < count; ++w) {
        const std::size_t pick = static_cast<std::size_t>(n * 7 + w * 13) % choices.weapons.size();
        const std::int16_t refID = choices.weapons[pick];
        if (!placeWeapon(editor, refID) || !catalog::usesAmmunition(table[refID]))
            continue;
        for (std::int16_t ammo : choices.ammunition) {
            if (catalog::takesAmmunition(table[refID], table[ammo])) {
                placeWeapon(editor, ammo);
                break;
            }
        }
    }
}

// Armour at a share of each location's maximum, a quarter of each torso's at the back.
void armour(Editor& editor, int percent) {
    for (int loc = 0; loc < catalog::kSlotLocationCount; ++loc) {
        int points = editor::armorMaximum(editor.mech(), loc) * percent / 100;
        if (loc == catalog::kLeftTorso || loc == catalog::kRightTorso ||
            loc == catalog::kCenterTorso) {
            const int rear = points / 4;
            points -= rear;
            const int rearLoc = loc == catalog::kLeftTorso    ? catalog::kLeftTorsoRear
                                : loc == catalog::kRightTorso ? catalog::kRightTorsoRear
                                                              : catalog::kCenterTorsoRear;
            editor::SetArmorPoints(editor, loc, points);
            editor::SetArmorPoints(editor, rearLoc, rear);
        } else {
            editor::SetArmorPoints(editor, loc, points);
        }
    }
}

// Every waiting item into the first free slots that take it.
bool allocateItems(Editor& editor) {
    std::vector<std::string> codes;
    for (const editor::UnallocatedItem& row : editor.items().rows())
        codes.push_back(row.code);
    for (const std::string& code : codes)
        editor::AutoAllocate(editor, code);
    return editor.items().empty();
}

// The chassis: body, tonnage, components and speed; lighter choices where the chosen ones
// leave no weight or no slots.
void chassis(Editor& editor, int n) {
    const int techBase = n % 3;
    int techLevel = 1 + (n / 3) % 3;
    // Every seventh design is an OmniMech (level 3, where the arm actuators may go, as a
    // locked chassis needs), every eleventh a quad; LAMs are Inner Sphere only.
    int type = catalog::kBiped;
    if (n % 7 == 3) {
        type = catalog::kOmniMech;
        techLevel = 3;
    } else if (n % 11 == 5) {
        type = catalog::kQuad;
    } else if (n % 13 == 9 && techBase == catalog::kInnerSphere) {
        type = catalog::kLAM;
    }

    // Clan and mixed designs start at level 2: the editor raises the level itself.
    editor::ChangeTechLevel(editor, techLevel);
    editor::ChangeTechBase(editor, techBase);
    editor::ChangeMechType(editor, type);
    editor::ChangeTonnage(editor, 20 + 5 * ((n * 5) % 17));
    if (editor.mech().techLevel() > 1) {
        editor::ChangeEngine(editor, n % 7);
        editor::ChangeGyro(editor, (n / 7) % 4);
        editor::ChangeCockpit(editor, (n / 5) % 5);
        editor::ChangeHeatSinkType(editor, (n / 2) % 5);
        editor::ChangeArmorType(editor, (n / 11) % 7);
        editor::ChangeStructure(editor, (n / 13) % 4);
    }
    // A base omni chassis locks only without lower arm and hand actuators.
    if (type == catalog::kOmniMech) {
        for (const bool right : {false, true}) {
            editor::SetArmActuator(editor, right, kHand, false);
            editor::SetArmActuator(editor, right, kLowerArm, false);
        }
    }
    editor::ChangeHeatSinkCount(editor, 10 + n % 6);
    const int tonnage = editor.mech().tonnage();
    editor::ChangeWalking(editor, std::max(2, std::min(400 / tonnage, 3 + n % 4)));
    // Where the parts alone outweigh the chassis: a slower engine, then fewer heat sinks, then
    // the standard gyro and cockpit.
    const model::Mech& mech = editor.mech();
    while (mech.freeTonnage() < 0 && mech.walking() > 1)
        editor::ChangeWalking(editor, mech.walking() - 1);
    while (mech.freeTonnage() < 0 && mech.hsCount() > 10)
        editor::ChangeHeatSinkCount(editor, mech.hsCount() - 1);
    if (mech.freeTonnage() < 0)
        editor::ChangeGyro(editor, 0);
    if (mech.freeTonnage() < 0)
        editor::ChangeCockpit(editor, 0);
    editor::ChangeJumping(editor, n % 5 < 2 ? 0 : std::min<int>(mech.walking(), n % 4));
    if (mech.freeTonnage() < 0)
        editor::ChangeJumping(editor, 0);
    // Bulky structure and armour, jump jets and heat sinks give way, in that order, where their
    // slots do not fit.
    if (!allocateItems(editor))
        editor::ChangeStructure(editor, 0);
    if (!allocateItems(editor))
        editor::ChangeArmorType(editor, 0);
    while (!allocateItems(editor) && mech.jumping() > 0)
        editor::ChangeJumping(editor, mech.jumping() - 1);
    while (!allocateItems(editor) && mech.hsCount() > 10)
        editor::ChangeHeatSinkCount(editor, mech.hsCount() - 1);
}

} // namespace

Generator::Generator(const app::ProgramContext& reference)
    : ctx_(reference.programDirectory, user_) {
    cli::copyReferenceData(reference, ctx_);
}

Generator::~Generator() = default;

Editor& Generator::build(int n) {
    user_.answers.clear();
    editor_ = std::make_unique<Editor>(ctx_);
    Editor& editor = *editor_;
    editor.setWeaponTypeFilter(-1);
    editor.setAmmoForCurrentWeapons(false);
    editor::SetMechName(editor, kNames[static_cast<std::size_t>(n) % kNames.size()]);
    editor::SetMechModel(editor, "C-" + std::to_string(n));
    chassis(editor, n);
    const Choices choices = choicesOf(editor);
    // Now and then the artillery piece, before the armour takes its weight.
    if (n % 10 == 7 && choices.artillery)
        placeWeapon(editor, *choices.artillery);
    // Less armour where engine and structure leave too little weight for it.
    int percent = 50 + n % 50;
    armour(editor, percent);
    while (editor.mech().freeTonnage() < 0 && percent > 0) {
        percent = std::max(0, percent - 10);
        armour(editor, percent);
    }

    if (editor.mech().mechType() != catalog::kOmniMech) {
        arm(editor, choices, n, 2 + n % 6);
        return editor;
    }
    // The base chassis carries one weapon; each variant adds its own.
    arm(editor, choices, n, 1);
    user_.answers = {"yes", "Prime"};
    if (!editor::LockChassis(editor))
        return editor;
    arm(editor, choices, n + 1, 3);
    for (const char* variant : {"A", "B"}) {
        user_.answers = {variant};
        editor::AddVariant(editor);
        editor::ChooseVariant(editor, variant);
        arm(editor, choices, n + variant[0], 2 + n % 3);
    }
    editor::ChooseVariant(editor, "Prime");
    return editor;
}

std::optional<std::string> Generator::write(int n, const std::filesystem::path& root) {
    Editor& editor = build(n);
    const std::filesystem::path path = root / relativePath(editor.mech(), n);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec || !editor::SaveMechTo(editor, path.string()))
        return std::nullopt;
    return path.string();
}

std::string relativePath(const model::Mech& mech, int n) {
    const int tons = mech.tonnage();
    const char* weightClass = tons < 40   ? "light"
                              : tons < 60 ? "medium"
                              : tons < 80 ? "heavy"
                                          : "assault";
    const char* base = mech.techBase() == catalog::kInnerSphere ? "inner-sphere"
                       : mech.techBase() == catalog::kClan      ? "clan"
                                                                : "mixed";
    char name[24];
    std::snprintf(name, sizeof name, "d%06d.FPM", n);
    return std::string(weightClass) + "/" + base + "/" + name;
}

} // namespace fpw::corpus
