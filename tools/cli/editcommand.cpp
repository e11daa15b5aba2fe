#include "editcommand.h"

#include <ostream>

#include "app/files.h"
#include "app/programcontext.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/script.h"

namespace fpw::cli {

int runEdit(app::ProgramContext& ctx, editor::script::ScriptUser& user, const EditRequest& request,
            std::ostream& out, std::ostream& err) {
    const std::optional<std::string> text = app::readWholeFile(request.scriptFile);
    if (!text) {
        err << request.scriptFile << ": the script cannot be read\n";
        return 2;
    }
    editor::Editor editor(ctx);
    if (!request.openFile.empty() && !editor::OpenMech(editor, request.openFile)) {
        err << request.openFile << ": the design cannot be opened\n";
        return 1;
    }
    editor::script::Session session{editor, user, out};
    if (!editor::script::runScript(*text, session, err)) {
        return 1;
    }
    if (!request.saveFile.empty() && !editor::SaveMechTo(editor, request.saveFile)) {
        err << request.saveFile << ": the design was not saved\n";
        return 1;
    }
    return 0;
}

} // namespace fpw::cli
