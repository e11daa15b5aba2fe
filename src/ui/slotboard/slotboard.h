// The critical-slot board: the eight slot lists laid out like the body (the head above the
// center torso, the arms beside the side torsos, the legs below), each under its caption,
// with the unallocated weapons and items beside the legs.
#pragma once

#include <array>
#include <string>

#include <QWidget>

class QLabel;

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {

class ActionRunner;
class SlotListView;
class UnallocatedItemList;
class UnallocatedWeaponList;

class SlotBoard : public QWidget {
    Q_OBJECT
public:
    SlotBoard(editor::Editor& editor, ActionRunner& runner, QWidget* parent = nullptr);

    SlotListView* list(int location) const { return lists_.at(static_cast<std::size_t>(location)); }
    QLabel* caption(int location) const { return captions_.at(static_cast<std::size_t>(location)); }

    UnallocatedWeaponList* unallocatedWeapons() const { return weapons_; }
    UnallocatedItemList* unallocatedItems() const { return items_; }

    // The captions (biped or quad names, the caption colours) and every list as they stand.
    void showDesign();

private:
    // Highlights the item's slots in every location, spread weapons included.
    void highlight(const std::string& identifier);

    editor::Editor& editor_;
    std::array<SlotListView*, 8> lists_{};
    std::array<QLabel*, 8> captions_{};
    UnallocatedWeaponList* weapons_ = nullptr;
    UnallocatedItemList* items_ = nullptr;
};

} // namespace fpw::ui
