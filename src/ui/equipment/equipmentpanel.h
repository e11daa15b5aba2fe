// The equipment panel of the editor window: the weapons and equipment that may be added (by
// type, and only the ammunition the design can fire when asked), and the design's own list
// with each entry's locations. Adding, removing and clearing run the editor's weapon-list
// rules through the window's action runner.
//
// Object names, for tests that drive the panel as a player does: "equipmentGroup" (the
// panel), "weaponTypeFilter", "ammoForCurrentWeapons", "availableWeaponsList",
// "addWeaponButton", "selectedEquipmentList", "removeWeaponButton", "clearEquipmentButton".
#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {

class ActionRunner;

class EquipmentPanel : public QGroupBox {
    Q_OBJECT
public:
    EquipmentPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent = nullptr);

    // Both lists, the filters and the buttons' states from the editor.
    void showDesign();

private:
    QWidget* buildFilters();
    // Adds the selected rows of the available list, in list order, as one action.
    void addSelected();
    void removeCurrent();
    void showButtonStates();

    editor::Editor& editor_;
    ActionRunner& runner_;
    QComboBox* typeFilter_ = nullptr;
    QCheckBox* ammoOnly_ = nullptr;
    QListWidget* available_ = nullptr;
    QListWidget* selected_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace fpw::ui
