// The editor script verbs of each group of rules; `editorVerbs` gathers them all.
#pragma once

namespace fpw::editor::script {

class VerbTable;

// answer, undo, redo, state, slots
void registerGeneralVerbs(VerbTable& table);
// new, open, save, name, model
void registerDocumentVerbs(VerbTable& table);
// drop, autoallocate, popup and the other slot actions
void registerAllocationVerbs(VerbTable& table);
// armor, armor-max, armor-points, armor-tons
void registerArmorVerbs(VerbTable& table);
// lock-chassis, variant-add, variant, variant-delete
void registerOmniVerbs(VerbTable& table);
// tonnage, body, techbase, level, engine, walking, jumping, jumpjets, gyro, cockpit, structure,
// armor-type, heatsinks
void registerComponentVerbs(VerbTable& table);
// masc, tsm, supercharger, nss, case, case2, artemis-lrm, artemis-srm, targeting, physical,
// actuator, turret, armless, limit-crits, fractional
void registerSystemVerbs(VerbTable& table);

} // namespace fpw::editor::script
