#include "editor/editor.h"
#include "editor/omnirules.h"
#include "editor/script.h"
#include "editor/scriptverbs.h"

namespace fpw::editor::script {

namespace {

// A name of the variant list, exactly as the list shows it.
std::string listedVariant(const Session& s, const std::string& name) {
    const OmniControls controls = omniControls(s.editor);
    return controls
        .variants[static_cast<std::size_t>(findChoice(controls.variants, name, "variants"))];
}

// The variant buttons are there only once the chassis is locked.
void requireVariants(const Session& s) {
    if (!omniControls(s.editor).variantsVisible) {
        throw ScriptError("the design has no variants: its chassis is not locked");
    }
}

} // namespace

void registerOmniVerbs(VerbTable& table) {
    table.add({"lock-chassis", 0, 0, "lock-chassis", [](Session& s, const auto&) {
                   if (!omniControls(s.editor).lockVisible) {
                       throw ScriptError("only an Omni-Mech whose chassis is not locked yet can "
                                         "be locked");
                   }
                   LockChassis(s.editor);
               }});
    table.add({"variant-add", 1, 1, "variant-add NAME", [](Session& s, const auto& args) {
                   requireVariants(s);
                   withBoxAnswer(s, args[0], [&] { AddVariant(s.editor); });
               }});
    table.add({"variant", 1, 1, "variant NAME", [](Session& s, const auto& args) {
                   ChooseVariant(s.editor, listedVariant(s, args[0]));
               }});
    table.add({"variant-delete", 1, 1, "variant-delete NAME", [](Session& s, const auto& args) {
                   DeleteVariant(s.editor, listedVariant(s, args[0]));
               }});
}

} // namespace fpw::editor::script
