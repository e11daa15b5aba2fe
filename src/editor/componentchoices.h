// What the editor's selection controls offer: the lists that `UpdateAvailableTech` fills from
// the design's tech base and level, the bounds of the spin controls, and which options can be
// used. The window shows these and sends the player's choice to the handler of the control
// (components.h, systems.h); after a refusal the list still selects the stored value, which is
// how a refused change is put back.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::editor {

class Editor;

// One selection control: its entries (catalogue names), the entry shown, and whether it can
// be used. A handler is given the catalogue code of the chosen name, never its list position.
struct ChoiceList {
    std::vector<std::string> items;
    std::string selected;
    bool enabled = true;
    bool visible = true;
    bool operator==(const ChoiceList&) const = default;
};

// An option (check box): whether it can be used; its value is the design's.
struct OptionState {
    bool enabled = true;
    bool visible = true;
    bool operator==(const OptionState&) const = default;
};

struct ComponentChoices {
    ChoiceList techBase;
    ChoiceList techLevel;
    ChoiceList mechType;
    ChoiceList engine;
    ChoiceList gyro;
    ChoiceList cockpit;
    ChoiceList targeting;
    ChoiceList structure;
    ChoiceList armor;
    ChoiceList heatSinks;
    ChoiceList physical;
    ChoiceList artemisLRM;
    ChoiceList artemisSRM;
    std::array<ChoiceList, 7> caseLocations; // locations 0 to 6
    ChoiceList superchargerLocation;         // location names that hold engine slots

    // Spin control bounds.
    int tonnageMin = 10;
    int tonnageMax = 100;
    int walkingMax = 0;
    int jumpingMax = 0;
    int jumpingMin = 0;    // jump jets a locked omni base chassis holds
    int heatSinksMin = 10; // more where a locked omni base chassis holds heat sinks

    OptionState masc;
    OptionState tsm;
    OptionState supercharger;
    OptionState nullSignature;
    OptionState improvedJumpJets;
    OptionState limitCrits;
    OptionState fractional;
    OptionState turrets;
    OptionState armActuators; // the lower arm and hand actuator options
    OptionState armless;
    OptionState physicalArms; // the left and right arm options of the physical weapon

    bool operator==(const ComponentChoices&) const = default;
};

// Refills every list for the design's tech base and level and selects the design's values.
// It never changes the design: a value the level does not offer (an opened design) stays
// selected and listed, and clearing it is `ClearUnavailableTech`'s job.
void UpdateAvailableTech(Editor& editor);
// What the tech base, level and body type offer, without the design's own values added.
ComponentChoices offeredChoices(const Editor& editor);
// After the player lowered the tech base or level: every choice the design may no longer
// have goes back to the first entry of its list through its own rule, every option no longer
// offered is turned off, and the lists are refilled. False when one of those rules refused
// (it showed its message); the caller then refuses the whole change.
bool ClearUnavailableTech(Editor& editor);
// Selects `name` in the list; when the list lacks it, shows "Error" / "Unable to find string
// '...' in combo box '...'." and answers false.
bool TSearchCombo(Editor& editor, ChoiceList& list, std::string_view name,
                  std::string_view listName);

} // namespace fpw::editor
