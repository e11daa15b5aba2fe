#include "editor/omnirules.h"

#include <optional>
#include <string_view>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "model/omniconfig.h"

namespace fpw::editor {

namespace {

constexpr std::string_view kVariantExists =
    "This is an illegal variant name because it already exists.";
constexpr std::string_view kUnableToChange = "Unable to change variants";
constexpr std::string_view kUnallocatedVariant =
    "You can not change variants if you have unallocated items.";

Outcome refuse(Editor& editor, std::string_view text, std::string_view title) {
    editor.user().message(text, title, app::MessageIcon::Critical);
    return Outcome::Refused;
}

bool hasUnallocated(const Editor& editor) {
    return HasUnallocatedWeapons(editor) || !editor.items().empty();
}

// The name a variant is kept under (trimmed, at most 25 characters), or nothing when the
// person gave none or the name is refused (with its message).
std::optional<std::string> variantName(Editor& editor, std::string_view prompt,
                                       std::string_view title) {
    const std::optional<std::string> answer = editor.user().inputBox(prompt, title);
    const std::string name = model::omniConfigName(answer.value_or(std::string()));
    if (name.empty()) {
        return std::nullopt;
    }
    // "Base" names the locked chassis in the file's own slot store.
    if (model::sameConfigName(name, model::kBaseConfigName)) {
        refuse(editor, "This is an illegal variant name. You may not name a variant 'Base'",
               "Illegal Name");
        return std::nullopt;
    }
    if (model::findOmniConfig(editor.mech().omniState().configs, name) >= 0) {
        refuse(editor, kVariantExists, "Variant exists");
        return std::nullopt;
    }
    return name;
}

// The lock refusals, in the order they are checked; nullptr when the chassis may be locked.
const char* lockRefusal(const Editor& editor) {
    const model::Mech& mech = editor.mech();
    if (hasUnallocated(editor)) {
        return "You can not lock the base omni chassis when you still have unallocated items.";
    }
    if (mech.mechName().empty()) {
        return "You can not lock the base omni chassis if you have no given this mech is name.";
    }
    if (mech.freeTonnage() < 0) {
        return "The base omni chassis is overweight. You can not lock an overweight chassis.";
    }
    if (mech.tcSize() == 0 && mech.targSysType() == catalog::targeting::kTargetingComputer) {
        return "This mech has a targeting computer mounted but has not been allocated since "
               "there are no weapons. Since the targeting computer must be mounted before the "
               "chassis is locked, it must either be removed or weapons must be added so that "
               "it can be allocated.";
    }
    if (mech.GetLAActuator(2) || mech.GetRAActuator(2)) {
        return "You may not mount lower or hand actuators on the base omni chassis. These must "
               "be removed before locking.";
    }
    if (!mech.GetLAActuator(1)) {
        return "You may not make armless omnimechs.";
    }
    return nullptr;
}

// After a variant was loaded: the lists and every figure.
void refreshAfterSwitch(Editor& editor) {
    RefreshSelectedWeapons(editor);
    RefreshWeapons(editor);
    UpdateAllTonnages(editor);
}

} // namespace

OmniControls omniControls(const Editor& editor) {
    const model::Mech& mech = editor.mech();
    OmniControls controls;
    controls.lockVisible = mech.mechType() == catalog::kOmniMech && !mech.omniBaseLocked();
    controls.variantsVisible = mech.omniBaseLocked();
    controls.baseChassisEditable = !mech.omniBaseLocked();
    for (int i = 0; i < mech.OmniConfigCount(); ++i) {
        controls.variants.push_back(mech.GetOmniConfigName(i));
    }
    controls.selected = mech.omniBaseLocked() ? mech.currentConfig() : std::string();
    return controls;
}

bool LockChassis(Editor& editor) {
    return editor.perform("LockChassis", [&] {
        model::Mech& mech = editor.mech();
        if (mech.mechType() != catalog::kOmniMech || mech.omniBaseLocked()) {
            return Outcome::Refused;
        }
        if (const char* refusal = lockRefusal(editor)) {
            return refuse(editor, refusal, "Unable to lock chassis");
        }
        if (!editor.user().askYesNo("Are you sure you want to lock the base omni chassis? Once "
                                    "you lock it you will not be able to make changes to it "
                                    "again.",
                                    "Lock base chassis?")) {
            return Outcome::Refused;
        }
        const std::optional<std::string> first = variantName(
            editor,
            "Please enter the designation of the first variant. For example, the first variant "
            "is customarily named Primary, second Alpha, etc.",
            "First Variant");
        if (!first) {
            return Outcome::Refused;
        }
        app::BusyPointer busy(editor.user());
        mech.LockBaseOmni();
        mech.AddNewVariant(*first);
        mech.SetInitialOmniConfig(*first);
        RefreshSelectedWeapons(editor);
        UpdateAllTonnages(editor);
        return Outcome::Accepted;
    });
}

bool AddVariant(Editor& editor) {
    return editor.perform("AddVariant", [&] {
        if (!editor.mech().omniBaseLocked()) {
            return Outcome::Refused;
        }
        const std::optional<std::string> name = variantName(
            editor,
            "Please enter the designation of the new variant. For example, the first variant is "
            "customarily named Alpha, second Beta, etc.",
            "New variant");
        if (!name) {
            return Outcome::Refused;
        }
        editor.mech().AddNewVariant(*name);
        UpdateAllTonnages(editor);
        return Outcome::Accepted;
    });
}

bool DeleteVariant(Editor& editor, const std::string& name) {
    return editor.perform("DeleteVariant", [&] {
        model::Mech& mech = editor.mech();
        const auto& configs = mech.omniState().configs;
        const int index = model::findOmniConfig(configs, name, true);
        if (!mech.omniBaseLocked() || index < 0) {
            return Outcome::Refused;
        }
        if (mech.OmniConfigCount() < 2) {
            return refuse(editor,
                          "You need at have atleast two variants before you can delete one.",
                          "Unable to remove config");
        }
        const bool current = index == model::findOmniConfig(configs, mech.currentConfig());
        // The variant shown is stored before another one is loaded; what waits in the
        // unallocated lists belongs to no variant and would be lost.
        if (!current && hasUnallocated(editor)) {
            return refuse(editor, kUnallocatedVariant, kUnableToChange);
        }
        if (!editor.user().askYesNo("Are you sure you want to delete the variant named " + name +
                                        "?",
                                    "Delete variant?")) {
            return Outcome::Refused;
        }
        if (!current) {
            mech.SaveCurrentConfig();
        }
        const std::string deleted = configs[static_cast<std::size_t>(index)].name;
        mech.DeleteOmniConfig(deleted);
        mech.ChangeOmniConfig(mech.GetOmniConfigName(0), false);
        editor.items().clear();
        refreshAfterSwitch(editor);
        return Outcome::Accepted;
    });
}

bool ChooseVariant(Editor& editor, const std::string& name) {
    if (editor.loading()) {
        return false;
    }
    return editor.perform("ChooseVariant", [&] {
        model::Mech& mech = editor.mech();
        if (name == mech.currentConfig()) {
            return Outcome::Accepted;
        }
        if (!mech.omniBaseLocked() || model::findOmniConfig(mech.omniState().configs, name) < 0) {
            return Outcome::Refused;
        }
        if (hasUnallocated(editor)) {
            return refuse(editor, kUnallocatedVariant, kUnableToChange);
        }
        if (mech.freeTonnage() < 0) {
            return refuse(editor, "You can not change variants if the current one is overweight.",
                          kUnableToChange);
        }
        mech.ChangeOmniConfig(name, true);
        refreshAfterSwitch(editor);
        return Outcome::Accepted;
    });
}

} // namespace fpw::editor
