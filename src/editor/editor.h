// The design editor: the one current design with its slot lists and unallocated items, the
// lists and texts its window shows, and the machinery every user action runs through (the
// progress hook, the roll-back of a refusal, undo and redo, and change notification).
//
// The rule procedures are free functions over an `Editor`, one file per group of rules
// (allocation, components, systems, armour, documents, omni variants). Windows, editor scripts
// and tests call those same functions and observe the editor; none of them changes the design
// behind its back. Nothing here includes Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/armorcontrols.h"
#include "editor/componentchoices.h"
#include "editor/unallocateditems.h"
#include "model/mech.h"

namespace fpw::app {
struct ProgramContext;
class UserInteraction;
} // namespace fpw::app

namespace fpw::editor {

// What undo and redo restore: the design with its slot lists, the unallocated items and the
// saved flag. Everything else the editor shows is derived from it.
struct EditorDocument {
    model::Mech mech;
    UnallocatedItems items;
    bool saved = true;
    bool operator==(const EditorDocument&) const = default;
};

// A row of the unallocated weapons list or of the selected equipment list.
struct WeaponRow {
    std::string text;
    std::int16_t weaponIndex = -1;
    bool operator==(const WeaponRow&) const = default;
};

// A row of the list of weapons that may be added.
struct AvailableWeapon {
    std::string text;
    std::int16_t refID = -1;
    bool operator==(const AvailableWeapon&) const = default;
};

// The texts of the status bar and the labels that the central refresh keeps current.
struct EditorDisplay {
    std::string totalTonnage;  // colTotalTonnage: "Tons: " ...
    std::string freeTonnage;   // colFreeTonnage
    std::string freeSlots;     // colFreeSlots: "Crits Free: " ...
    std::string maxHeat;       // colMaxHeat
    std::string heatDissipate; // colHeatDissipate
    std::string cost;          // colCost
    std::string bv;            // colBV
    std::string savedText;     // "Saved" or "Not Saved"
    std::string weightClass;   // empty in the gaps between the classes
    bool overweight = false;   // free tonnage below 0
    std::string armorPoints;   // the points, with " (" free ")" while points remain
    std::string running;       // with " [" boosted "]" under MASC or a supercharger
    std::string sprinting;
    std::string ltTurret; // "Turret: " tons " tons"
    std::string rtTurret;
    int freeSlotCount = 0; // free slots over the locations in use
    int neededSlots = 0;   // slots the unallocated weapons and items still need
    bool operator==(const EditorDisplay&) const = default;
};

// How a rule ended: a refusal is rolled back whatever it touched.
enum class Outcome { Accepted, Refused };

class Editor {
public:
    // A new design. The context must outlive the editor.
    explicit Editor(app::ProgramContext& ctx);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    app::ProgramContext& context() const { return *ctx_; }
    app::UserInteraction& user() const;

    // ---- the document
    model::Mech& mech() { return doc_.mech; }
    const model::Mech& mech() const { return doc_.mech; }
    UnallocatedItems& items() { return doc_.items; }
    const UnallocatedItems& items() const { return doc_.items; }
    const EditorDocument& document() const { return doc_; }
    bool saved() const { return doc_.saved; }
    // Only `SetSaved` and the save and open procedures set it.
    void setSavedFlag(bool saved) { doc_.saved = saved; }
    // Puts a whole document in place (a new or opened design): the slot views keep
    // watching, the history is cleared.
    void replaceDocument(EditorDocument doc);

    // ---- what the window shows besides the document (rebuilt by the refresh procedures)
    std::vector<WeaponRow>& unallocatedWeapons() { return unallocatedWeapons_; }
    const std::vector<WeaponRow>& unallocatedWeapons() const { return unallocatedWeapons_; }
    std::vector<WeaponRow>& selectedEquipment() { return selectedEquipment_; }
    const std::vector<WeaponRow>& selectedEquipment() const { return selectedEquipment_; }
    std::vector<AvailableWeapon>& availableWeapons() { return availableWeapons_; }
    const std::vector<AvailableWeapon>& availableWeapons() const { return availableWeapons_; }
    // The available-weapons filter: a weapon type code, or -1 for every type.
    int weaponTypeFilter() const { return weaponTypeFilter_; }
    void setWeaponTypeFilter(int type) { weaponTypeFilter_ = type; }
    // Only ammunition that the design's weapons fire.
    bool ammoForCurrentWeapons() const { return ammoForCurrentWeapons_; }
    void setAmmoForCurrentWeapons(bool on) { ammoForCurrentWeapons_ = on; }
    EditorDisplay& display() { return display_; }
    const EditorDisplay& display() const { return display_; }
    ComponentChoices& choices() { return choices_; }
    const ComponentChoices& choices() const { return choices_; }
    ArmorControls& armorControls() { return armorControls_; }
    const ArmorControls& armorControls() const { return armorControls_; }

    // ---- the loading flag: set while the editor fills its own controls, so that the
    // component handlers ignore the events that filling causes.
    bool loading() const { return loading_ > 0; }
    class LoadingScope {
    public:
        explicit LoadingScope(Editor& editor) : editor_(editor) { ++editor_.loading_; }
        ~LoadingScope() { --editor_.loading_; }
        LoadingScope(const LoadingScope&) = delete;
        LoadingScope& operator=(const LoadingScope&) = delete;

    private:
        Editor& editor_;
    };

    // ---- running user actions
    // Runs one user action: passes "Processing: " + procedure to the progress hook, then runs
    // the rule. When the rule is accepted and changed the document, the document as it was
    // becomes one undo step and the redo history is dropped. When it is refused, the document
    // and the derived lists are put back exactly as they were. Observers are told either way.
    // An action run from inside another one joins the outer one. Returns whether accepted.
    bool perform(std::string_view procedure, const std::function<Outcome()>& rule);
    // The progress hook alone: lets the interface serve its pending events.
    void progress(std::string_view procedure);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Restores the document as it was before the last accepted action (or after the last
    // undone one) and rebuilds everything derived from it. False when there is nothing to do.
    bool undo();
    bool redo();
    void clearHistory();
    std::size_t undoDepth() const { return undo_.size(); }
    std::size_t redoDepth() const { return redo_.size(); }

    // ---- observers: told after every action, undo, redo and document replacement.
    using Observer = std::function<void()>;
    int addObserver(Observer observer);
    void removeObserver(int id);
    void notifyObservers() const;

private:
    struct Derived {
        std::vector<WeaponRow> unallocatedWeapons;
        std::vector<WeaponRow> selectedEquipment;
        std::vector<AvailableWeapon> availableWeapons;
        EditorDisplay display;
        ComponentChoices choices;
    };
    Derived derived() const;
    void restoreDerived(Derived d);
    // After undo, redo or a document replacement: every list and text from the document.
    void rebuildDerived();
    void restoreDocument(EditorDocument doc);

    app::ProgramContext* ctx_;
    EditorDocument doc_;
    std::vector<WeaponRow> unallocatedWeapons_;
    std::vector<WeaponRow> selectedEquipment_;
    std::vector<AvailableWeapon> availableWeapons_;
    int weaponTypeFilter_ = -1;
    bool ammoForCurrentWeapons_ = false;
    EditorDisplay display_;
    ComponentChoices choices_;
    ArmorControls armorControls_;
    int loading_ = 0;
    int actionDepth_ = 0;
    // The oldest step leaves from the front once the limit is reached: a deque, so that a
    // full history costs no more per action than an empty one.
    std::deque<EditorDocument> undo_;
    std::vector<EditorDocument> redo_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
};

} // namespace fpw::editor
