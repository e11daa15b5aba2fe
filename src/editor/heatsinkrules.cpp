// Heat sink type and count, and the heat sink items that follow them.
#include <algorithm>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "editor/components.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"

namespace fpw::editor {

namespace {

// Heat sinks that need slots: those the engine does not hold. A compact item holds two heat
// sinks but counts once, as `HSCount` counts it.
int heatSinkItemsNeeded(const model::Mech& mech) {
    return std::max(0, mech.hsCount() - mech.hsInEngine());
}

} // namespace

void ResetHS(Editor& editor) {
    rules::resetItems(editor, catalog::cHS, heatSinkItemsNeeded(editor.mech()));
}

void CheckCorrectHSCount(Editor& editor) {
    rules::syncItemCount(editor, catalog::cHS, heatSinkItemsNeeded(editor.mech()));
}

bool ChangeHeatSinkType(Editor& editor, int hsType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeHeatSinkType", [&] { return mech.hsType() == hsType; },
        rules::offers(editor.choices().heatSinks, catalog::heatSinkName(hsType)),
        [&] {
            mech.setHSType(static_cast<std::int16_t>(hsType));
            ResetHS(editor);
            return rules::finish(editor);
        });
}

bool ChangeHeatSinkCount(Editor& editor, int count) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeHeatSinkCount", [&] { return mech.hsCount() == count; },
        count >= editor.choices().heatSinksMin && count <= 32767,
        [&] {
            mech.setHSCount(static_cast<std::int16_t>(count));
            CheckCorrectHSCount(editor);
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
