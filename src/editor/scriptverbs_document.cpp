#include "editor/documentcommands.h"
#include "editor/script.h"
#include "editor/scriptverbs.h"

namespace fpw::editor::script {

void registerDocumentVerbs(VerbTable& table) {
    table.add({"new", 0, 0, "new", [](Session& s, const auto&) { NewMech(s.editor); }});
    table.add({"open", 1, 1, "open FILE",
               [](Session& s, const auto& args) { OpenMechFile(s.editor, args[0]); }});
    table.add({"save", 1, 1, "save FILE",
               [](Session& s, const auto& args) { SaveMechTo(s.editor, args[0]); }});
    table.add({"name", 1, 1, "name TEXT",
               [](Session& s, const auto& args) { SetMechName(s.editor, args[0]); }});
    table.add({"model", 1, 1, "model TEXT",
               [](Session& s, const auto& args) { SetMechModel(s.editor, args[0]); }});
}

} // namespace fpw::editor::script
