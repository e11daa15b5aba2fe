// The two lists of what is not placed yet, the sources of every drag onto the slot board:
// the unallocated weapons (several rows with the control key) and the unallocated items
// (one row; its pop-up menu auto-allocates the row).
#pragma once

#include <memory>

#include <QListWidget>

class QMenu;

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {

class ActionRunner;

class UnallocatedWeaponList : public QListWidget {
    Q_OBJECT
public:
    UnallocatedWeaponList(editor::Editor& editor, QWidget* parent = nullptr);
    void showDesign();
    // What a drag of these rows carries: their weapons in list order.
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;

protected:
    // A shift-click selects nothing: it tells the player to use the control key.
    void mousePressEvent(QMouseEvent* event) override;

private:
    editor::Editor& editor_;
};

class UnallocatedItemList : public QListWidget {
    Q_OBJECT
public:
    UnallocatedItemList(editor::Editor& editor, ActionRunner& runner, QWidget* parent = nullptr);
    void showDesign();
    // The row's pop-up menu: "Auto-Allocate …" for the row and the multi-allocate dialog.
    std::unique_ptr<QMenu> rowMenu(int row);
    // What a drag of the row carries: its item code.
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    editor::Editor& editor_;
    ActionRunner& runner_;
};

} // namespace fpw::ui
