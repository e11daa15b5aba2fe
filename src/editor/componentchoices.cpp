#include "editor/componentchoices.h"

#include <algorithm>

#include "app/programcontext.h"
#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/components.h"
#include "editor/editor.h"
#include "editor/rulesupport.h"
#include "editor/systems.h"

namespace fpw::editor {

namespace {

using catalog::kClan;
using catalog::kInnerSphere;

// Entries the design's tech base and level offer, per control. Clan means tech base 1; the
// mixed base goes with the Inner Sphere unless said otherwise.
struct Offer {
    int level;
    bool clan;
    bool mixed;
};

std::vector<int> engines(const Offer& o) {
    if (o.level == 1) {
        return {0};
    }
    if (o.level == 2) {
        return {0, 1};
    }
    return {0, 1, 2, 3, 4, 5, 6};
}

std::vector<int> gyros(const Offer& o) {
    return o.level < 3 ? std::vector<int>{0} : std::vector<int>{0, 1, 2, 3};
}

std::vector<int> cockpits(const Offer& o) {
    if (o.level < 3) {
        return {0};
    }
    std::vector<int> list{0, 1, 2, 3};
    if (o.clan) {
        list.push_back(4);
    }
    return list;
}

std::vector<int> targetings(const Offer& o) {
    if (o.level == 1) {
        return {0};
    }
    if (o.level == 2) {
        return o.clan ? std::vector<int>{0, 7} : std::vector<int>{0};
    }
    return {0, 1, 2, 3, 4, 5, 6, 7};
}

std::vector<int> structures(const Offer& o) {
    if (o.level == 1) {
        return {0};
    }
    return o.level == 2 ? std::vector<int>{0, 1} : std::vector<int>{0, 1, 2, 3};
}

std::vector<int> armors(const Offer& o) {
    if (o.level == 1) {
        return {0};
    }
    if (o.level == 2) {
        return {0, 1};
    }
    return o.clan ? std::vector<int>{0, 1, 4, 5, 6} : std::vector<int>{0, 1, 2, 3, 4, 5, 6};
}

std::vector<int> heatSinks(const Offer& o) {
    if (o.level == 1) {
        return {0};
    }
    std::vector<int> list{0, 1};
    if (o.level == 3) {
        list.push_back(o.clan ? catalog::heatsink::kLaser : catalog::heatsink::kCompact);
    }
    if (o.mixed) {
        list.push_back(catalog::heatsink::kClanDouble);
    }
    return list;
}

std::vector<int> physicals(const Offer& o) {
    std::vector<int> list{0, 1};
    if (o.level >= 2 && !o.clan) {
        list.push_back(catalog::physical::kSword);
    }
    if (o.level == 3 && !o.clan) {
        list.push_back(catalog::physical::kMace);
        list.push_back(catalog::physical::kClaw);
    }
    return list;
}

std::vector<int> artemis(const Offer& o) {
    if (o.level == 1) {
        return {0};
    }
    return o.level == 3 && o.clan ? std::vector<int>{0, 1, 2} : std::vector<int>{0, 1};
}

// CASE per location: standard CASE in the torsos from level 2 (not on a Clan design, which
// has it built in), CASE II everywhere at level 3.
std::vector<int> caseChoices(const Offer& o, int loc) {
    std::vector<int> list{catalog::kNoCase};
    const bool torso =
        loc == catalog::kLeftTorso || loc == catalog::kRightTorso || loc == catalog::kCenterTorso;
    if (o.level >= 2 && torso && !o.clan) {
        list.push_back(catalog::kStandardCase);
    }
    if (o.level == 3) {
        list.push_back(catalog::kCaseII);
    }
    return list;
}

ChoiceList listOf(std::string (*name)(int), const std::vector<int>& codes) {
    ChoiceList list;
    for (int code : codes) {
        list.items.push_back(name(code));
    }
    return list;
}

bool holdsEngine(const model::Mech& mech, int loc) {
    return mech.critLocation(loc).HasItem(catalog::cEng);
}

// The list shows the design's value even where the level no longer offers it (an opened
// design keeps what its file holds).
void select(Editor& editor, ChoiceList& list, const std::string& name, std::string_view listName) {
    if (!name.empty() &&
        std::find(list.items.begin(), list.items.end(), name) == list.items.end()) {
        list.items.push_back(name);
    }
    TSearchCombo(editor, list, name, listName);
}

std::string levelName(int level) {
    return std::to_string(level);
}

} // namespace

bool TSearchCombo(Editor& editor, ChoiceList& list, std::string_view name,
                  std::string_view listName) {
    if (std::find(list.items.begin(), list.items.end(), name) == list.items.end()) {
        editor.user().message("Unable to find string '" + std::string(name) + "' in combo box '" +
                                  std::string(listName) + "'.",
                              "Error", app::MessageIcon::Critical);
        return false;
    }
    list.selected = std::string(name);
    return true;
}

ComponentChoices offeredChoices(const Editor& editor) {
    const model::Mech& mech = editor.mech();
    const Offer o{mech.techLevel(), mech.techBase() == kClan,
                  mech.techBase() != kClan && mech.techBase() != kInnerSphere};
    const bool quad = mech.mechType() == catalog::kQuad;
    const bool level3 = o.level == 3;
    ComponentChoices c;
    c.techBase = listOf(catalog::techBaseName, {0, 1, 2});
    for (int level = mech.techBase() == kInnerSphere ? 1 : 2; level <= 3; ++level) {
        c.techLevel.items.push_back(levelName(level));
    }
    std::vector<int> bodies{catalog::kBiped, catalog::kQuad};
    if (!(o.clan && editor.context().noClanLAMs)) {
        bodies.push_back(catalog::kLAM);
    }
    if (o.level >= 2) {
        bodies.push_back(catalog::kOmniMech);
    }
    c.mechType = listOf(catalog::mechTypeName, bodies);
    c.engine = listOf(catalog::engineName, engines(o));
    c.gyro = listOf(catalog::gyroName, gyros(o));
    c.cockpit = listOf(catalog::cockpitName, cockpits(o));
    c.targeting = listOf(catalog::targetingName, targetings(o));
    c.structure = listOf(catalog::structureName, structures(o));
    c.armor = listOf(catalog::armorName, armors(o));
    c.heatSinks = listOf(catalog::heatSinkName, heatSinks(o));
    c.physical = listOf(catalog::physicalName, physicals(o));
    c.physical.enabled = c.physical.visible = !quad;
    c.artemisLRM = listOf(catalog::artemisName, artemis(o));
    c.artemisSRM = c.artemisLRM;
    for (int loc = 0; loc < model::kCaseLocations; ++loc) {
        ChoiceList& list = c.caseLocations[static_cast<std::size_t>(loc)];
        list = listOf(catalog::caseName, caseChoices(o, loc));
        list.visible = list.enabled = list.items.size() > 1;
    }
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        if (holdsEngine(mech, loc)) {
            c.superchargerLocation.items.push_back(catalog::locationName(loc, quad));
        }
    }
    c.superchargerLocation.enabled = mech.supercharger();

    c.walkingMax = walkingBound(mech.engineType(), mech.tonnage());
    c.jumpingMax =
        mech.jumpJetType() == catalog::jumpjet::kImproved ? mech.running() : mech.walking();

    c.masc.enabled = o.level >= 2;
    c.tsm.enabled = o.level >= 2 && !o.clan;
    c.supercharger.enabled = level3;
    c.nullSignature.enabled = level3 && !o.clan;
    c.improvedJumpJets.enabled = level3;
    c.limitCrits.enabled = level3;
    c.fractional.enabled = level3;
    c.turrets.enabled = level3;
    c.armActuators.enabled = level3 && !quad;
    c.armActuators.visible = !quad;
    c.armless.enabled = level3 && !quad;
    c.physicalArms.enabled = c.physicalArms.visible = !quad;
    if (mech.omniBaseLocked()) {
        // The base chassis is fixed; the variants differ in pod space only, and keep the heat
        // sinks and jump jets the base holds.
        c.jumpingMin = rules::countPlaced(editor, catalog::cJJ, true);
        c.heatSinksMin = std::max(
            c.heatSinksMin, mech.hsInEngine() + rules::countPlaced(editor, catalog::cHS, true));
        for (ChoiceList* list :
             {&c.techBase, &c.techLevel, &c.mechType, &c.engine, &c.gyro, &c.cockpit, &c.structure,
              &c.armor, &c.heatSinks, &c.superchargerLocation}) {
            list->enabled = false;
        }
        for (OptionState* option :
             {&c.masc, &c.tsm, &c.supercharger, &c.nullSignature, &c.improvedJumpJets,
              &c.limitCrits, &c.fractional, &c.turrets, &c.armless}) {
            option->enabled = false;
        }
    }
    return c;
}

void UpdateAvailableTech(Editor& editor) {
    const model::Mech& mech = editor.mech();
    ComponentChoices c = offeredChoices(editor);
    select(editor, c.techBase, catalog::techBaseName(mech.techBase()), "cboTechBase");
    select(editor, c.techLevel, levelName(mech.techLevel()), "cboTechLevel");
    select(editor, c.mechType, catalog::mechTypeName(mech.mechType()), "cboMechType");
    select(editor, c.engine, catalog::engineName(mech.engineType()), "cboEngine");
    select(editor, c.gyro, catalog::gyroName(mech.gyroType()), "cboGyro");
    select(editor, c.cockpit, catalog::cockpitName(mech.cockpitType()), "cboCockpit");
    select(editor, c.targeting, catalog::targetingName(mech.targSysType()), "cboTargSys");
    select(editor, c.structure, catalog::structureName(mech.isType()), "cboISType");
    select(editor, c.armor, catalog::armorName(mech.armorType()), "cboArmorType");
    select(editor, c.heatSinks, catalog::heatSinkName(mech.hsType()), "cboHSType");
    select(editor, c.physical, catalog::physicalName(mech.physicalType()), "cboPhysical");
    select(editor, c.artemisLRM, catalog::artemisName(mech.artemisLRM()), "cboArtemisLRM");
    select(editor, c.artemisSRM, catalog::artemisName(mech.artemisSRM()), "cboArtemisSRM");
    for (int loc = 0; loc < model::kCaseLocations; ++loc) {
        ChoiceList& list = c.caseLocations[static_cast<std::size_t>(loc)];
        const bool hidden = !list.visible;
        select(editor, list, catalog::caseName(mech.GetCASE(loc)), "cboCASE");
        // A stored setting the level does not offer keeps its list in view, so that the
        // player can take it away.
        list.visible = list.enabled = !hidden || mech.GetCASE(loc) != catalog::kNoCase;
    }
    if (mech.supercharger()) {
        select(editor, c.superchargerLocation,
               catalog::locationName(mech.superchargerLoc(), mech.mechType() == catalog::kQuad),
               "cboSuperchargerLoc");
    }
    editor.choices() = std::move(c);
}

} // namespace fpw::editor

namespace fpw::editor {

namespace {

bool dropped(const ChoiceList& offered, const std::string& name) {
    return std::find(offered.items.begin(), offered.items.end(), name) == offered.items.end();
}

bool allActuators(const model::Mech& mech) {
    for (int i = 0; i < model::kActuators; ++i) {
        if (!mech.GetLAActuator(i) || !mech.GetRAActuator(i)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool ClearUnavailableTech(Editor& editor) {
    model::Mech& mech = editor.mech();
    UpdateAvailableTech(editor);
    // Each choice goes back to the first entry of its list, which every level offers (code 0).
    bool ok = true;
    auto clearChoice = [&](const ChoiceList& offered, const std::string& name, auto change) {
        if (ok && dropped(offered, name)) {
            ok = change();
        }
    };
    const ComponentChoices o = offeredChoices(editor);
    clearChoice(o.mechType, catalog::mechTypeName(mech.mechType()),
                [&] { return ChangeMechType(editor, catalog::kBiped); });
    // The cockpit first: a torso-mounted one holds center-torso slots the engine may need.
    clearChoice(o.cockpit, catalog::cockpitName(mech.cockpitType()),
                [&] { return ChangeCockpit(editor, 0); });
    clearChoice(o.targeting, catalog::targetingName(mech.targSysType()),
                [&] { return ChangeTargetingSystem(editor, 0); });
    clearChoice(o.engine, catalog::engineName(mech.engineType()),
                [&] { return ChangeEngine(editor, 0); });
    clearChoice(o.gyro, catalog::gyroName(mech.gyroType()), [&] { return ChangeGyro(editor, 0); });
    clearChoice(o.structure, catalog::structureName(mech.isType()),
                [&] { return ChangeStructure(editor, 0); });
    clearChoice(o.armor, catalog::armorName(mech.armorType()),
                [&] { return ChangeArmorType(editor, 0); });
    clearChoice(o.heatSinks, catalog::heatSinkName(mech.hsType()),
                [&] { return ChangeHeatSinkType(editor, 0); });
    clearChoice(o.physical, catalog::physicalName(mech.physicalType()),
                [&] { return ChangePhysicalType(editor, 0); });
    clearChoice(o.artemisLRM, catalog::artemisName(mech.artemisLRM()),
                [&] { return SetArtemis(editor, true, 0); });
    clearChoice(o.artemisSRM, catalog::artemisName(mech.artemisSRM()),
                [&] { return SetArtemis(editor, false, 0); });
    if (!ok) {
        return false;
    }
    // Options no longer offered are turned off; turning off never fails.
    const ComponentChoices after = offeredChoices(editor);
    if (!after.masc.enabled && mech.masc() != 0) {
        SetMASC(editor, false);
    }
    if (!after.tsm.enabled && mech.tsm()) {
        SetTSM(editor, false);
    }
    if (!after.supercharger.enabled && mech.supercharger()) {
        SetSupercharger(editor, false);
    }
    if (!after.nullSignature.enabled && mech.nullSigSys()) {
        SetNullSignature(editor, false);
    }
    if (!after.improvedJumpJets.enabled && mech.jumpJetType() != catalog::jumpjet::kStandard) {
        ChangeImprovedJumpJets(editor, false);
    }
    if (!after.turrets.enabled) {
        SetTurret(editor, false, false);
        SetTurret(editor, true, false);
    }
    if (!after.armless.enabled && mech.armless()) {
        SetArmless(editor, false);
    }
    if (!after.limitCrits.enabled && mech.limitCrits()) {
        SetLimitCrits(editor, false);
    }
    if (!after.fractional.enabled && mech.fractionalAccounting()) {
        SetFractionalAccounting(editor, false);
    }
    if (!after.armActuators.enabled && mech.mechType() != catalog::kQuad && !allActuators(mech) &&
        !RestoreArmActuators(editor)) {
        return false;
    }
    CheckCASE(editor);
    UpdateAvailableTech(editor);
    return true;
}

} // namespace fpw::editor
