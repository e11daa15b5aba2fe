#include <string>

#include "editor/armor.h"
#include "editor/editor.h"
#include "editor/script.h"
#include "editor/scriptverbs.h"

namespace fpw::editor::script {

namespace {

void setArmor(Session& s, const std::vector<std::string>& args) {
    const int loc = parseLocation(args[0], true);
    const int points = parseInteger(args[1], "armor points");
    const int limit = armorLimit(s.editor.mech(), loc);
    if (points < 0 || points > limit) {
        throw ScriptError("armor points for " + args[0] + " run from 0 to " +
                          std::to_string(limit) + ", not " + args[1]);
    }
    SelectArmorLocation(s.editor, loc);
    SetArmorPoints(s.editor, loc, points);
}

} // namespace

void registerArmorVerbs(VerbTable& table) {
    table.add({"armor", 2, 2, "armor LOC POINTS", setArmor});
    table.add(
        {"armor-max", 0, 0, "armor-max", [](Session& s, const auto&) { MaximumArmor(s.editor); }});
    table.add({"armor-points", 1, 1, "armor-points N", [](Session& s, const auto& args) {
                   withBoxAnswer(s, args[0], [&] { AddArmorPoints(s.editor); });
               }});
    table.add({"armor-tons", 1, 1, "armor-tons T", [](Session& s, const auto& args) {
                   withBoxAnswer(s, args[0], [&] { AddArmorTonnage(s.editor); });
               }});
    table.add({"balance", 1, 1, "balance on|off", [](Session& s, const auto& args) {
                   SetBalanceArmor(s.editor, parseOnOff(args[0]));
               }});
}

} // namespace fpw::editor::script
