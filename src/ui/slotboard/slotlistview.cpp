#include "ui/slotboard/slotlistview.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMouseEvent>

#include "app/programcontext.h"
#include "editor/allocation.h"
#include "editor/editor.h"
#include "editor/slotmenu.h"
#include "ui/dialogs/spreaddialog.h"
#include "ui/editor/actionrunner.h"
#include "ui/services/settingscolor.h"
#include "ui/slotboard/slotdrag.h"

namespace fpw::ui {
namespace {

// A slot's background and text colour from the settings. An armoured slot shows as armoured
// even when locked, a highlighted one above all; a free slot is inactive.
std::pair<QColor, QColor> slotColors(const app::Settings& s, const model::CriticalSlot& slot,
                                     bool highlighted) {
    if (highlighted) {
        return {toQColor(s.hilitedColor), toQColor(s.hilitedTextColor)};
    }
    if (slot.isArmored) {
        return {toQColor(s.armoredColor), toQColor(s.armoredTextColor)};
    }
    if (slot.isLocked) {
        return {toQColor(s.lockedColor), toQColor(s.lockedTextColor)};
    }
    if (!slot.isActive) {
        return {toQColor(s.inactiveColor), toQColor(s.inactiveTextColor)};
    }
    return {toQColor(s.normalColor), toQColor(s.normalTextColor)};
}

// A real item: fixed entries ("-1") and free slots have nothing to highlight.
bool isItem(const std::string& identifier) {
    return !identifier.empty() && identifier != "-1";
}

} // namespace

SlotListView::SlotListView(editor::Editor& editor, ActionRunner& runner, int location,
                           QWidget* parent)
    : QListWidget(parent), editor_(editor), runner_(runner), location_(location) {
    setObjectName(QStringLiteral("slotList%1").arg(location));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setMouseTracking(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    editor_.mech().critLocation(location_).setListener(
        [this](const model::SlotChange&) { showSlots(); });
    showSlots();
}

SlotListView::~SlotListView() {
    editor_.mech().critLocation(location_).setListener({});
}

void SlotListView::showSlots() {
    const model::CritLocation& list = editor_.mech().critLocation(location_);
    const app::Settings& settings = editor_.context().settings;
    while (count() > list.slotCount()) {
        delete takeItem(count() - 1);
    }
    while (count() < list.slotCount()) {
        auto* row = new QListWidgetItem;
        row->setSizeHint(QSize(0, rowHeight()));
        addItem(row);
    }
    for (int i = 0; i < list.slotCount(); ++i) {
        const model::CriticalSlot& slot = list.slots()[static_cast<std::size_t>(i)];
        const bool highlighted = isItem(slot.itemID) && slot.itemID == list.highlightedItem();
        const auto [background, foreground] = slotColors(settings, slot, highlighted);
        QListWidgetItem* row = item(i);
        const QString text = QString::fromStdString(slot.text);
        if (row->text() != text) {
            row->setText(text);
            row->setToolTip(text);
        }
        row->setBackground(background);
        row->setForeground(foreground);
    }
    updateGeometry();
}

bool SlotListView::acceptsDrag(const SlotDrag& drag) const {
    return drag.itemCode.empty() || editor::acceptsItemDrop(editor_, location_, drag.itemCode);
}

bool SlotListView::dropOnSlot(int slot, const SlotDrag& drag) {
    bool placed = false;
    runner_.run([&] {
        if (!drag.itemCode.empty()) {
            placed = editor::DropItem(editor_, location_, slot, drag.itemCode);
        } else if (drag.weapons.size() == 1) {
            const editor::WeaponDrop drop =
                editor::DropWeapon(editor_, location_, slot, drag.weapons.front());
            placed = drop.result == editor::DropResult::Placed;
            if (drop.result == editor::DropResult::NeedsSpread && drop.spread) {
                SpreadDialog dialog(editor_, runner_, *drop.spread, window());
                placed = dialog.exec() == QDialog::Accepted;
            }
        } else {
            placed = editor::DropWeapons(editor_, location_, slot, drag.weapons);
        }
    });
    return placed;
}

void SlotListView::dragEnterEvent(QDragEnterEvent* event) {
    const std::optional<SlotDrag> drag = readSlotDrag(event->mimeData());
    if (drag && acceptsDrag(*drag)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void SlotListView::dragMoveEvent(QDragMoveEvent* event) {
    const std::optional<SlotDrag> drag = readSlotDrag(event->mimeData());
    const QModelIndex index = indexAt(event->position().toPoint());
    if (drag && index.isValid() && acceptsDrag(*drag)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void SlotListView::dropEvent(QDropEvent* event) {
    const std::optional<SlotDrag> drag = readSlotDrag(event->mimeData());
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!drag || !index.isValid() || !acceptsDrag(*drag)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dropOnSlot(index.row(), *drag);
}

void SlotListView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) {
        return;
    }
    runner_.run([&] { editor::UnallocateByDoubleClick(editor_, location_, index.row()); });
}

std::unique_ptr<QMenu> SlotListView::slotMenu(int slot) {
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName("slotMenu");
    for (const editor::SlotMenuEntry& entry : editor::slotMenu(editor_, location_, slot)) {
        addMenuEntry(*menu, slot, entry);
    }
    return menu;
}

void SlotListView::addMenuEntry(QMenu& menu, int slot, const editor::SlotMenuEntry& entry) {
    const QString caption = QString::fromStdString(entry.caption);
    if (entry.command == editor::SlotCommand::MoveTo && entry.location < 0) {
        QMenu* sub = menu.addMenu(caption);
        sub->menuAction()->setVisible(entry.visible);
        sub->setEnabled(entry.enabled);
        for (const editor::SlotMenuEntry& target : entry.submenu) {
            addMenuEntry(*sub, slot, target);
        }
        return;
    }
    QAction* action = menu.addAction(caption);
    action->setVisible(entry.visible);
    action->setEnabled(entry.enabled);
    const editor::SlotCommand command = entry.command;
    const int target = entry.location;
    connect(action, &QAction::triggered, this, [this, slot, command, target] {
        runner_.run([&] { editor::runSlotCommand(editor_, location_, slot, command, target); });
    });
}

void SlotListView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(viewport()->mapFrom(this, event->pos()));
    if (!index.isValid()) {
        return;
    }
    slotMenu(index.row())->exec(event->globalPos());
}

void SlotListView::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const model::CritLocation& list = editor_.mech().critLocation(location_);
    hoverOver(index.isValid() ? list.SlotItemId(index.row()) : std::string());
    QListWidget::mouseMoveEvent(event);
}

void SlotListView::leaveEvent(QEvent* event) {
    hoverOver({});
    QListWidget::leaveEvent(event);
}

void SlotListView::hoverOver(const std::string& identifier) {
    const std::string item = isItem(identifier) ? identifier : std::string();
    if (item == hovered_) {
        return;
    }
    hovered_ = item;
    if (hover_) {
        hover_(item);
    }
}

int SlotListView::rowHeight() const {
    return fontMetrics().height() + 2;
}

QSize SlotListView::sizeHint() const {
    // Every slot shows at once: the list never scrolls.
    const int rows = editor_.mech().critLocation(location_).normalSlotCount();
    // Wide enough for the longest fixed entries and most weapon names; longer ones elide and
    // show whole in the slot's tool tip.
    return {fontMetrics().horizontalAdvance(QStringLiteral("Upper Leg Actuator")) + 16,
            rows * rowHeight() + 2 * frameWidth()};
}

} // namespace fpw::ui
