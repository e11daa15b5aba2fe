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
    if (editor.loading() || mech.hsType() == hsType) {
        return mech.hsType() == hsType;
    }
    if (!rules::offers(editor.choices().heatSinks, catalog::heatSinkName(hsType))) {
        return false;
    }
    const bool accepted = editor.perform("ChangeHeatSinkType", [&] {
        mech.setHSType(static_cast<std::int16_t>(hsType));
        ResetHS(editor);
        return rules::finish(editor);
    });
    return accepted && mech.hsType() == hsType;
}

bool ChangeHeatSinkCount(Editor& editor, int count) {
    model::Mech& mech = editor.mech();
    if (editor.loading() || mech.hsCount() == count) {
        return mech.hsCount() == count;
    }
    if (count < editor.choices().heatSinksMin || count > 32767) {
        return false;
    }
    const bool accepted = editor.perform("ChangeHeatSinkCount", [&] {
        mech.setHSCount(static_cast<std::int16_t>(count));
        CheckCorrectHSCount(editor);
        return rules::finish(editor);
    });
    return accepted && mech.hsCount() == count;
}

} // namespace fpw::editor
