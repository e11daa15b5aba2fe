#include <string>
#include <vector>

#include "catalog/equipment.h"
#include "editor/components.h"
#include "editor/editor.h"
#include "editor/script.h"
#include "editor/scriptverbs.h"

namespace fpw::editor::script {

namespace {

using Args = std::vector<std::string>;

// The code of a list entry: the entry must be in the list the control shows; the code is the
// entry's position in the catalogue vocabulary.
int choose(const ChoiceList& list, const std::string& word, std::string_view listName,
           std::string (*name)(int)) {
    findChoice(list.items, word, listName);
    for (int code = 0; code < 16; ++code) {
        if (name(code) == word) {
            return code;
        }
    }
    throw ScriptError("no entry " + word + " in the list " + std::string(listName));
}

int within(std::string_view word, std::string_view what, int low, int high) {
    const int value = parseInteger(word, what);
    if (value < low || value > high) {
        throw ScriptError(std::string(what) + " must be from " + std::to_string(low) + " to " +
                          std::to_string(high) + ", not " + std::string(word));
    }
    return value;
}

template <typename Handler>
Verb listVerb(std::string name, std::string usage, ChoiceList ComponentChoices::*list,
              std::string (*text)(int), Handler handler) {
    return Verb{name, 1, 1, std::move(usage), [=](Session& s, const Args& a) {
                    handler(s.editor, choose(s.editor.choices().*list, a[0], name, text));
                }};
}

std::string levelText(int code) {
    return std::to_string(code);
}

} // namespace

void registerComponentVerbs(VerbTable& table) {
    table.add({"tonnage", 1, 1, "tonnage N", [](Session& s, const Args& a) {
                   const ComponentChoices& c = s.editor.choices();
                   ChangeTonnage(s.editor, within(a[0], "the tonnage", c.tonnageMin, c.tonnageMax));
               }});
    table.add(listVerb("body", "body Biped|Quad|LAM|Omni-Mech", &ComponentChoices::mechType,
                       catalog::mechTypeName, ChangeMechType));
    table.add(listVerb("techbase", "techbase \"Inner Sphere\"|Clan|\"Inner Sphere 'C'\"",
                       &ComponentChoices::techBase, catalog::techBaseName, ChangeTechBase));
    table.add(
        listVerb("level", "level 1|2|3", &ComponentChoices::techLevel, levelText, ChangeTechLevel));
    table.add(listVerb("engine", "engine TYPE", &ComponentChoices::engine, catalog::engineName,
                       ChangeEngine));
    table.add(
        listVerb("gyro", "gyro TYPE", &ComponentChoices::gyro, catalog::gyroName, ChangeGyro));
    table.add(listVerb("cockpit", "cockpit TYPE", &ComponentChoices::cockpit, catalog::cockpitName,
                       ChangeCockpit));
    table.add(listVerb("structure", "structure TYPE", &ComponentChoices::structure,
                       catalog::structureName, ChangeStructure));
    table.add(listVerb("armor-type", "armor-type TYPE", &ComponentChoices::armor,
                       catalog::armorName, ChangeArmorType));
    table.add({"walking", 1, 1, "walking N", [](Session& s, const Args& a) {
                   ChangeWalking(s.editor,
                                 within(a[0], "the walking MP", 1, s.editor.choices().walkingMax));
               }});
    table.add({"jumping", 1, 1, "jumping N", [](Session& s, const Args& a) {
                   ChangeJumping(s.editor,
                                 within(a[0], "the jump MP", s.editor.choices().jumpingMin,
                                        s.editor.choices().jumpingMax));
               }});
    table.add({"jumpjets", 1, 1, "jumpjets Standard|Improved", [](Session& s, const Args& a) {
                   if (a[0] != catalog::jumpJetName(0) && a[0] != catalog::jumpJetName(1)) {
                       throw ScriptError("expected Standard or Improved, not " + a[0]);
                   }
                   ChangeImprovedJumpJets(s.editor, a[0] == catalog::jumpJetName(1));
               }});
    table.add({"heatsinks", 2, 2, "heatsinks TYPE COUNT", [](Session& s, const Args& a) {
                   const int type = choose(s.editor.choices().heatSinks, a[0], "heatsinks",
                                           catalog::heatSinkName);
                   const int count =
                       within(a[1], "the heat sink count", s.editor.choices().heatSinksMin, 999);
                   ChangeHeatSinkType(s.editor, type);
                   ChangeHeatSinkCount(s.editor, count);
               }});
}

} // namespace fpw::editor::script
