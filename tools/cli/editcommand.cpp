#include "editcommand.h"

#include <ostream>

#include "app/files.h"
#include "app/programcontext.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/script.h"
#include "io/designfile.h"

namespace fpw::cli {
namespace {

// Until the editor's own open and save commands exist: the design file read into a fresh
// design, swapped in only when it read whole, and the save checks in their order.
bool openDesign(editor::Editor& editor, const std::string& path) {
    model::Mech mech(editor.context());
    std::string message;
    if (!io::TOpenMech(mech, path, false, message)) {
        return false;
    }
    editor::ResetAllData(editor);
    editor.replaceDocument(editor::EditorDocument{std::move(mech), {}, true});
    editor::UpdateAvailableTech(editor);
    editor::RefreshWeapons(editor);
    editor::RefreshSelectedWeapons(editor);
    editor::UpdateAllTonnages(editor);
    editor::SetSaved(editor, true);
    return true;
}

bool saveDesign(editor::Editor& editor, const std::string& path) {
    const model::Mech& mech = editor.mech();
    const char* refusal = nullptr;
    if (!editor.unallocatedWeapons().empty()) {
        refusal = "You cannot save a mech that has unallocated weapons.";
    } else if (!editor.items().empty()) {
        refusal = "You cannot save a mech that has unallocated items.";
    } else if (mech.freeTonnage() < 0) {
        refusal = "This mech is overweight and cannot be saved.";
    } else if (mech.mechName().empty()) {
        refusal = "You cannot save a mech that does not have a name.";
    }
    if (refusal != nullptr) {
        editor.user().message(refusal, "Unable to save", app::MessageIcon::Critical);
        return false;
    }
    if (!mech.ValidAmmo()) {
        editor.user().message(
            "Some of the weapons mounted on this mech require ammunition, but not all of them "
            "have ammunition mounted. This message is only a warning and will not stop this "
            "mech from being saved.",
            "Not enough ammunition", app::MessageIcon::Information);
    }
    if (!io::SaveMech(editor.mech(), path)) {
        return false;
    }
    editor::SetSaved(editor, true);
    return true;
}

} // namespace

int runEdit(app::ProgramContext& ctx, editor::script::ScriptUser& user, const EditRequest& request,
            std::ostream& out, std::ostream& err) {
    const std::optional<std::string> text = app::readWholeFile(request.scriptFile);
    if (!text) {
        err << request.scriptFile << ": the script cannot be read\n";
        return 2;
    }
    editor::Editor editor(ctx);
    if (!request.openFile.empty() && !openDesign(editor, request.openFile)) {
        err << request.openFile << ": the design cannot be opened\n";
        return 1;
    }
    editor::script::Session session{editor, user, out};
    if (!editor::script::runScript(*text, session, err)) {
        return 1;
    }
    if (!request.saveFile.empty() && !saveDesign(editor, request.saveFile)) {
        err << request.saveFile << ": the design was not saved\n";
        return 1;
    }
    return 0;
}

} // namespace fpw::cli
