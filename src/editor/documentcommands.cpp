#include "editor/documentcommands.h"

#include <string_view>
#include <utility>

#include "app/files.h"
#include "app/identity.h"
#include "app/log.h"
#include "app/programcontext.h"
#include "app/textutil.h"
#include "catalog/conversionerror.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/slottables.h"
#include "editor/componentchoices.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "io/designfile.h"
#include "io/muxexport.h"

namespace fpw::editor {

namespace {

constexpr std::int16_t kNewDesignTonnage = 20;
constexpr std::int16_t kNewDesignWalking = 1;

constexpr std::string_view kDesignFilter = "Forgeplanwork Mechs (*.fpm)|*.fpm";
constexpr std::string_view kAllFilesFilter = "All Files (*.*)|*.*";
constexpr std::string_view kSaveDialogTitle = "Save Mech";
constexpr std::string_view kUnableToPrint = "Unable to print";

// ---- the defaults of a new design

std::int16_t defaultTechBase(const app::Settings& settings) {
    for (const catalog::TypeText& row : catalog::techBaseTable()) {
        if (settings.defaultTechBase == row.shortName || settings.defaultTechBase == row.longName) {
            return row.code;
        }
    }
    return catalog::kInnerSphere;
}

std::int16_t defaultMechType(const app::Settings& settings) {
    try {
        return catalog::mechTypeCode(settings.defaultMechType);
    } catch (const catalog::ConversionError&) {
        return 0;
    }
}

model::Mech newDesign(app::ProgramContext& ctx) {
    model::Mech mech(ctx);
    const app::Settings& settings = ctx.settings;
    mech.setTechBase(defaultTechBase(settings));
    mech.setTechLevel(settings.defaultTechLevel >= 1 && settings.defaultTechLevel <= 3
                          ? settings.defaultTechLevel
                          : std::int16_t{1});
    const std::int16_t mechType = defaultMechType(settings);
    if (mechType != mech.mechType()) {
        mech.setMechType(mechType);
        mech.LayDefaultSlots();
    }
    mech.setTonnage(kNewDesignTonnage);
    mech.setWalking(kNewDesignWalking);
    return mech;
}

// The heat sinks the engine does not hold wait in the unallocated list.
UnallocatedItems newDesignItems(const model::Mech& mech, app::UserInteraction& user) {
    UnallocatedItems items;
    items.add(catalog::cHS, mech.hsCount() - mech.hsInEngine(),
              catalog::genItemText(catalog::cHS, mech.designTypes(), user),
              catalog::heatSinkSlots(mech.hsType(), mech.techBase()));
    return items;
}

// ---- saving

bool hasName(const model::Mech& mech) {
    return mech.mechName().find_first_not_of(" \t") != std::string::npos;
}

// The four refusals and the ammunition warning that every save and the MUX export share.
bool passesSaveChecks(Editor& editor) {
    const model::Mech& mech = editor.mech();
    const char* refusal = nullptr;
    if (HasUnallocatedWeapons(editor)) {
        refusal = "You cannot save a mech that has unallocated weapons.";
    } else if (!editor.items().empty()) {
        refusal = "You cannot save a mech that has unallocated items.";
    } else if (mech.freeTonnage() < 0) {
        refusal = "This mech is overweight and cannot be saved.";
    } else if (!hasName(mech)) {
        refusal = "You cannot save a mech that does not have a name.";
    }
    if (refusal != nullptr) {
        editor.user().message(refusal, "Unable to save", app::MessageIcon::Critical);
        return false;
    }
    if (!mech.ValidAmmo()) {
        editor.user().message(
            "Some of the weapons mounted on this mech require ammunition, but not all of them "
            "have ammunition mounted. This message is only a warning and will not stop this mech "
            "from being saved.",
            "Not enough ammunition", app::MessageIcon::Information);
    }
    return true;
}

// The existing file may be replaced: asked unless `ask` is false.
bool mayReplace(Editor& editor, const std::string& path, bool ask) {
    return !ask || !app::fileExists(path) ||
           editor.user().askYesNo("Overwrite existing mech?", "Overwrite?");
}

// The save dialog with the design's name and model as the suggested file name.
std::optional<std::string> askSavePath(Editor& editor, std::string_view filter) {
    const model::Mech& mech = editor.mech();
    app::FileDialogRequest request;
    request.title = std::string(kSaveDialogTitle);
    request.filter = std::string(filter);
    request.fileName =
        mech.mechModel().empty() ? mech.mechName() : mech.mechName() + " - " + mech.mechModel();
    request.initialDirectory =
        mech.SaveFilePath().empty() ? editor.context().settings.lastDir : mech.SaveFilePath();
    std::optional<std::string> path = editor.user().saveFileDialog(request);
    if (path && path->empty()) {
        path.reset();
    }
    return path;
}

void rememberFolder(Editor& editor, const std::string& path) {
    const std::string folder = app::zGetPathFromFile(path);
    if (!folder.empty()) {
        editor.context().settings.lastDir = folder;
    }
}

enum class SaveTarget {
    OwnFile,  // Save: the design's own file, or the dialog when it has none
    Dialog,   // Save As
    GivenPath // scripts: the path given, replaced without asking
};

bool saveDesign(Editor& editor, SaveTarget target, const std::string& given = {}) {
    editor.progress("SaveMech");
    if (!passesSaveChecks(editor)) {
        return false;
    }
    const app::Settings& settings = editor.context().settings;
    std::string path;
    bool ask = false;
    if (target == SaveTarget::GivenPath) {
        path = given;
    } else if (target == SaveTarget::OwnFile && !editor.mech().saveFilename().empty()) {
        path = editor.mech().saveFilename();
        ask = settings.savePrompt;
    } else {
        std::optional<std::string> chosen = askSavePath(editor, kDesignFilter);
        if (!chosen) {
            return false;
        }
        path = std::move(*chosen);
        ask = true;
    }
    if (!mayReplace(editor, path, ask)) {
        return false;
    }
    const bool written = io::SaveMech(editor.mech(), path);
    if (written) {
        SetSaved(editor, true);
        rememberFolder(editor, path);
    }
    editor.notifyObservers();
    return written;
}

// Yes saves first (a refused or cancelled save stops), No goes on, Cancel stops.
bool settleUnsaved(Editor& editor, std::string_view question) {
    if (editor.saved()) {
        return true;
    }
    switch (editor.user().askYesNoCancel(question, "Save?")) {
    case app::Answer::Yes:
        return SaveMechCommand(editor);
    case app::Answer::No:
        return true;
    case app::Answer::Cancel:
        break;
    }
    return false;
}

constexpr std::string_view kUnsavedBeforeNew =
    "This mech is unsaved, would you like to save it before making a new mech?";

// The name or model box: the design takes the text as typed.
bool changeIdentity(Editor& editor, std::string_view procedure,
                    const std::string& (model::Mech::*current)() const,
                    void (model::Mech::*set)(std::string), const std::string& text) {
    return editor.perform(procedure, [&] {
        if ((editor.mech().*current)() != text) {
            (editor.mech().*set)(text);
            UpdateAllTonnages(editor);
        }
        return Outcome::Accepted;
    });
}

bool isUnlockedOmni(const model::Mech& mech) {
    return mech.mechType() == catalog::kOmniMech && !mech.omniBaseLocked();
}

} // namespace

void ResetAllData(Editor& editor) {
    editor.progress("ResetAllData");
    model::Mech mech = newDesign(editor.context());
    UnallocatedItems items = newDesignItems(mech, editor.user());
    editor.armorControls() = ArmorControls{};
    editor.replaceDocument(EditorDocument{std::move(mech), std::move(items), true});
    RefreshAllData(editor);
    UpdateAllTonnages(editor);
    SetSaved(editor, true);
    editor.notifyObservers();
}

void RefreshAllData(Editor& editor) {
    Editor::LoadingScope loading(editor);
    UpdateAvailableTech(editor);
    RefreshWeapons(editor);
    RefreshSelectedWeapons(editor);
    RefreshDisplay(editor);
}

bool OpenMech(Editor& editor, const std::string& path) {
    editor.progress("OpenMech");
    // The file goes into a design of its own: a file that does not read leaves the editor's
    // design, lists and history as they were.
    model::Mech mech(editor.context());
    std::string message;
    if (!io::TOpenMech(mech, path, false, message)) {
        return false;
    }
    editor.armorControls() = ArmorControls{};
    editor.replaceDocument(EditorDocument{std::move(mech), {}, true});
    RefreshAllData(editor);
    UpdateAllTonnages(editor);
    SetSaved(editor, true);
    rememberFolder(editor, path);
    editor.notifyObservers();
    return true;
}

bool NewMech(Editor& editor) {
    if (!settleUnsaved(editor, kUnsavedBeforeNew)) {
        return false;
    }
    ResetAllData(editor);
    return true;
}

bool OpenMechCommand(Editor& editor) {
    if (!settleUnsaved(editor, kUnsavedBeforeNew)) {
        return false;
    }
    app::FileDialogRequest request;
    request.title = "Open Mech";
    request.filter = std::string(kDesignFilter);
    request.initialDirectory = editor.context().settings.lastDir;
    const std::optional<std::string> path = editor.user().openFileDialog(request);
    if (!path || path->empty()) {
        return false;
    }
    return OpenMech(editor, *path);
}

bool OpenMechFile(Editor& editor, const std::string& path) {
    return settleUnsaved(editor, kUnsavedBeforeNew) && OpenMech(editor, path);
}

bool SaveMechCommand(Editor& editor) {
    return saveDesign(editor, SaveTarget::OwnFile);
}

bool SaveMechAsCommand(Editor& editor) {
    return saveDesign(editor, SaveTarget::Dialog);
}

bool PassesSaveChecks(Editor& editor) {
    return passesSaveChecks(editor);
}

bool SaveMechTo(Editor& editor, const std::string& path) {
    return saveDesign(editor, SaveTarget::GivenPath, path);
}

bool SaveMUXCommand(Editor& editor) {
    editor.progress("SaveMUXFile");
    if (!passesSaveChecks(editor)) {
        return false;
    }
    const std::optional<std::string> path = askSavePath(editor, kAllFilesFilter);
    if (!path || !mayReplace(editor, *path, true)) {
        return false;
    }
    rememberFolder(editor, *path);
    return io::SaveMUXFile(editor.mech(), *path);
}

bool SetMechName(Editor& editor, const std::string& name) {
    return changeIdentity(editor, "SetMechName", &model::Mech::mechName, &model::Mech::setMechName,
                          name);
}

bool SetMechModel(Editor& editor, const std::string& model) {
    return changeIdentity(editor, "SetMechModel", &model::Mech::mechModel,
                          &model::Mech::setMechModel, model);
}

bool ConfirmClose(Editor& editor) {
    return settleUnsaved(editor, "This mech is unsaved, would you like to save it before exiting?");
}

void WriteClosingLog(Editor& editor) {
    editor.context().log.close(app::localTimeNow());
}

std::string windowTitle(const Editor& editor) {
    const std::string& path = editor.mech().saveFilename();
    std::string title(app::kProgramTitle);
    if (!path.empty()) {
        const std::string name = app::zGetFileFromPath(path);
        title += " - " + (name.empty() ? path : name);
    }
    return title;
}

std::string locationTitle(const Editor& editor, int loc) {
    return catalog::locationName(loc, editor.mech().mechType() == catalog::kQuad);
}

bool CanPreview(Editor& editor) {
    if (isUnlockedOmni(editor.mech())) {
        editor.user().message("You can not print out the base omni chassis. You need to lock the "
                              "chassis before printing.",
                              kUnableToPrint, app::MessageIcon::Critical);
        return false;
    }
    return true;
}

bool CanPrint(Editor& editor) {
    if (!CanPreview(editor)) {
        return false;
    }
    if (!editor.saved()) {
        editor.user().message("You need to save the mech before printing.", kUnableToPrint,
                              app::MessageIcon::Critical);
        return false;
    }
    return true;
}

bool CanCreateHistory(Editor& editor) {
    if (!hasName(editor.mech())) {
        editor.user().message("You cannot create a history for a mech that does not have a name.",
                              "Unable to create historical data", app::MessageIcon::Critical);
        return false;
    }
    return true;
}

} // namespace fpw::editor
