#include "ui/slotboard/unallocatedlists.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include "editor/allocation.h"
#include "editor/editor.h"
#include "ui/dialogs/multiallocatedialog.h"
#include "ui/editor/actionrunner.h"
#include "ui/services/listrows.h"
#include "ui/slotboard/slotdrag.h"

namespace fpw::ui {
namespace {

void setUpDragSource(QListWidget& list) {
    list.setDragEnabled(true);
    list.setDragDropMode(QAbstractItemView::DragOnly);
    list.setDefaultDropAction(Qt::CopyAction);
    list.setTextElideMode(Qt::ElideRight);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace

UnallocatedWeaponList::UnallocatedWeaponList(editor::Editor& editor, QWidget* parent)
    : QListWidget(parent), editor_(editor) {
    setObjectName("lboxUnallocatedEQ");
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setToolTip(tr("Drag onto a slot; hold the control key to take several"));
    setUpDragSource(*this);
}

void UnallocatedWeaponList::showDesign() {
    showRows(
        *this, editor_.unallocatedWeapons(),
        [](const editor::WeaponRow& row) { return QString::fromStdString(row.text); },
        [](const editor::WeaponRow& row) { return QVariant(static_cast<int>(row.weaponIndex)); });
}

void UnallocatedWeaponList::mousePressEvent(QMouseEvent* event) {
    if (event->modifiers().testFlag(Qt::ShiftModifier)) {
        editor::ShowControlKeyHint(editor_);
        return;
    }
    QListWidget::mousePressEvent(event);
}

QMimeData* UnallocatedWeaponList::mimeData(const QList<QListWidgetItem*>& items) const {
    std::vector<std::int16_t> weapons;
    // In list order, whatever order the player picked them in.
    for (int i = 0; i < count(); ++i) {
        if (items.contains(item(i))) {
            weapons.push_back(static_cast<std::int16_t>(item(i)->data(Qt::UserRole).toInt()));
        }
    }
    return weaponDragData(weapons);
}

UnallocatedItemList::UnallocatedItemList(editor::Editor& editor, ActionRunner& runner,
                                         QWidget* parent)
    : QListWidget(parent), editor_(editor), runner_(runner) {
    setObjectName("lvUnallocatedItems");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setToolTip(tr("Drag onto a slot; right-click to place them all"));
    setUpDragSource(*this);
}

void UnallocatedItemList::showDesign() {
    showRows(
        *this, editor_.items().rows(),
        [](const editor::UnallocatedItem& row) {
            return QStringLiteral("%1  %2").arg(row.count).arg(QString::fromStdString(row.name));
        },
        [](const editor::UnallocatedItem& row) { return QString::fromStdString(row.code); });
}

QMimeData* UnallocatedItemList::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty()) {
        return nullptr;
    }
    return itemDragData(items.front()->data(Qt::UserRole).toString().toStdString());
}

std::unique_ptr<QMenu> UnallocatedItemList::rowMenu(int row) {
    auto menu = std::make_unique<QMenu>(this);
    const auto& rows = editor_.items().rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) {
        return menu;
    }
    const editor::UnallocatedItem& item = rows[static_cast<std::size_t>(row)];
    QAction* autoAllocate =
        menu->addAction(QString::fromStdString(editor::autoAllocateCaption(item)));
    const std::string code = item.code;
    connect(autoAllocate, &QAction::triggered, this,
            [this, code] { runner_.run([&] { editor::AutoAllocate(editor_, code); }); });
    QAction* multiAllocate = menu->addAction(tr("&Multi-Allocate..."));
    multiAllocate->setObjectName("multiAllocateAction");
    connect(multiAllocate, &QAction::triggered, this, [this, code] {
        if (const auto request = editor::multiAllocateRequest(editor_, code)) {
            MultiAllocateDialog dialog(editor_, runner_, *request, window());
            dialog.exec();
        }
    });
    return menu;
}

void UnallocatedItemList::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(viewport()->mapFrom(this, event->pos()));
    if (index.isValid()) {
        rowMenu(index.row())->exec(event->globalPos());
    }
}

} // namespace fpw::ui
