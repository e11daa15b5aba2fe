#include "editor/designname.h"

#include "editor/editor.h"
#include "editor/refresh.h"

namespace fpw::editor {
namespace {

template <typename Get, typename Set>
bool changeText(Editor& editor, std::string_view procedure, const std::string& text, Get get,
                Set set) {
    if (editor.loading()) {
        return false;
    }
    if (get(editor.mech()) == text) {
        return true;
    }
    return editor.perform(procedure, [&] {
        set(editor.mech(), text);
        UpdateAllTonnages(editor);
        return Outcome::Accepted;
    });
}

} // namespace

bool ChangeMechName(Editor& editor, const std::string& name) {
    return changeText(
        editor, "txtName_Change", name, [](const model::Mech& m) { return m.mechName(); },
        [](model::Mech& m, const std::string& v) { m.setMechName(v); });
}

bool ChangeMechModel(Editor& editor, const std::string& model) {
    return changeText(
        editor, "txtModel_Change", model, [](const model::Mech& m) { return m.mechModel(); },
        [](model::Mech& m, const std::string& v) { m.setMechModel(v); });
}

} // namespace fpw::editor
