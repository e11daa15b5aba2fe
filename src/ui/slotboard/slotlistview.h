// One location's critical slots on the slot board: a view of the design's slot list that
// colours each slot by its state, takes drops from the unallocated lists, unallocates on a
// double click and reports the item under the mouse so that the board can highlight it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QListWidget>

class QMenu;

namespace fpw::editor {
class Editor;
struct SlotMenuEntry;
} // namespace fpw::editor

namespace fpw::ui {

class ActionRunner;
struct SlotDrag;

class SlotListView : public QListWidget {
    Q_OBJECT
public:
    // Watches slot list `location` of the editor's design until destroyed.
    SlotListView(editor::Editor& editor, ActionRunner& runner, int location,
                 QWidget* parent = nullptr);
    ~SlotListView() override;

    int location() const { return location_; }

    // Shows the slot list as it stands: one row per slot, coloured by state.
    void showSlots();
    // The board's answer to the item under the mouse (empty: the mouse left every item).
    void setHoverListener(std::function<void(const std::string&)> listener) {
        hover_ = std::move(listener);
    }

    // The drop entry point: what a drag carries, dropped on `slot`. True when the editor took it.
    bool dropOnSlot(int slot, const SlotDrag& drag);
    // Whether the drag may end on this location (jump jets stay off a biped's arms and head).
    bool acceptsDrag(const SlotDrag& drag) const;

    // The slot's pop-up menu as the editor offers it: every entry with its caption, hidden and
    // disabled entries as the rules say; triggering an entry runs it on the slot.
    std::unique_ptr<QMenu> slotMenu(int slot);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void hoverOver(const std::string& identifier);
    void addMenuEntry(QMenu& menu, int slot, const editor::SlotMenuEntry& entry);
    int rowHeight() const;

    editor::Editor& editor_;
    ActionRunner& runner_;
    int location_;
    std::function<void(const std::string&)> hover_;
    std::string hovered_;
};

} // namespace fpw::ui
