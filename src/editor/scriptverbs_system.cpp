#include <string>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "editor/script.h"
#include "editor/scriptverbs.h"
#include "editor/systems.h"

namespace fpw::editor::script {

namespace {

using Args = std::vector<std::string>;

Verb onOffVerb(std::string name, bool (*handler)(Editor&, bool)) {
    return Verb{name, 1, 1, name + " on|off",
                [handler](Session& s, const Args& a) { handler(s.editor, parseOnOff(a[0])); }};
}

int caseLocation(const std::string& word) {
    const int loc = parseLocation(word);
    if (loc == catalog::kHead) {
        throw ScriptError("the head takes no CASE");
    }
    return loc;
}

// Left or right of a pair: "LA"/"RA" or "LT"/"RT".
bool rightSide(const std::string& word, int left, int right) {
    const int loc = parseLocation(word);
    if (loc != left && loc != right) {
        throw ScriptError("expected " + catalog::locationAbbreviation(left) + " or " +
                          catalog::locationAbbreviation(right) + ", not " + word);
    }
    return loc == right;
}

Verb artemisVerb(std::string name, bool lrm) {
    return Verb{name, 1, 1, name + " IV|V|off", [lrm](Session& s, const Args& a) {
                    int setting = 0;
                    if (a[0] == "IV") {
                        setting = catalog::kArtemisIV;
                    } else if (a[0] == "V") {
                        setting = catalog::kArtemisV;
                    } else if (a[0] != "off") {
                        throw ScriptError("expected IV, V or off, not " + a[0]);
                    }
                    SetArtemis(s.editor, lrm, setting);
                }};
}

void caseVerb(Session& s, const Args& a, int setting) {
    const int loc = caseLocation(a[0]);
    if (parseOnOff(a[1])) {
        SetCASE(s.editor, loc, setting);
    } else if (s.editor.mech().GetCASE(loc) == setting) {
        SetCASE(s.editor, loc, catalog::kNoCase);
    }
}

} // namespace

void registerSystemVerbs(VerbTable& table) {
    table.add(onOffVerb("masc", SetMASC));
    table.add(onOffVerb("tsm", SetTSM));
    table.add(onOffVerb("nss", SetNullSignature));
    table.add(onOffVerb("armless", SetArmless));
    table.add(onOffVerb("limit-crits", SetLimitCrits));
    table.add(onOffVerb("fractional", SetFractionalAccounting));
    table.add({"supercharger", 1, 1, "supercharger LOC|off", [](Session& s, const Args& a) {
                   if (a[0] == "off") {
                       SetSupercharger(s.editor, false);
                       return;
                   }
                   const int loc = parseLocation(a[0]);
                   if (SetSupercharger(s.editor, true)) {
                       MoveSupercharger(s.editor, loc);
                   }
               }});
    table.add({"case", 2, 2, "case LOC on|off",
               [](Session& s, const Args& a) { caseVerb(s, a, catalog::kStandardCase); }});
    table.add({"case2", 2, 2, "case2 LOC on|off",
               [](Session& s, const Args& a) { caseVerb(s, a, catalog::kCaseII); }});
    table.add(artemisVerb("artemis-lrm", true));
    table.add(artemisVerb("artemis-srm", false));
    table.add({"targeting", 1, 1, "targeting NAME", [](Session& s, const Args& a) {
                   findChoice(s.editor.choices().targeting.items, a[0], "targeting");
                   ChangeTargetingSystem(s.editor, catalog::targetingTypeCode(a[0]));
               }});
    table.add({"physical", 2, 2, "physical NAME LA|RA|both|off", [](Session& s, const Args& a) {
                   findChoice(s.editor.choices().physical.items, a[0], "physical");
                   const bool off = a[1] == "off";
                   const bool both = a[1] == "both";
                   const bool right =
                       off || both ? false : rightSide(a[1], catalog::kLeftArm, catalog::kRightArm);
                   if (!ChangePhysicalType(s.editor, catalog::physicalTypeCode(a[0]))) {
                       return;
                   }
                   SetPhysicalArm(s.editor, false, !off && (both || !right));
                   SetPhysicalArm(s.editor, true, !off && (both || right));
               }});
    table.add({"actuator", 3, 3, "actuator LA|RA lower|hand on|off", [](Session& s, const Args& a) {
                   const bool right = rightSide(a[0], catalog::kLeftArm, catalog::kRightArm);
                   if (a[1] != "lower" && a[1] != "hand") {
                       throw ScriptError("expected lower or hand, not " + a[1]);
                   }
                   SetArmActuator(s.editor, right, a[1] == "lower" ? 2 : 3, parseOnOff(a[2]));
               }});
    table.add({"turret", 2, 2, "turret LT|RT on|off", [](Session& s, const Args& a) {
                   SetTurret(s.editor, rightSide(a[0], catalog::kLeftTorso, catalog::kRightTorso),
                             parseOnOff(a[1]));
               }});
}

} // namespace fpw::editor::script
