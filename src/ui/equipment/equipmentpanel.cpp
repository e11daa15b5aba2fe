#include "ui/equipment/equipmentpanel.h"

#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/weaponrecord.h"
#include "editor/editor.h"
#include "editor/weaponlistactions.h"
#include "ui/editor/actionrunner.h"
#include "ui/editor/panelbuilder.h"
#include "ui/services/listrows.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {
namespace {

// The figures a player weighs before adding an entry, for its tooltip.
QString weaponFigures(const catalog::WeaponRecord& record) {
    QStringList figures;
    if (record.tonnage >= 0) {
        figures << QObject::tr("Tons: %1").arg(record.tonnage);
    }
    if (record.critSlots >= 0) {
        figures << QObject::tr("Crits: %1").arg(record.critSlots);
    }
    if (record.heat > 0) {
        figures << QObject::tr("Heat: %1").arg(record.heat);
    }
    if (record.shotsPerTon > 0) {
        figures << QObject::tr("Shots per ton: %1").arg(record.shotsPerTon);
    }
    return figures.join(", ");
}

QListWidget* newList(const QString& objectName, const QString& tip, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setToolTip(tip);
    list->setTextElideMode(Qt::ElideRight);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    // The column shares its width with the armour and omni panels: the lists give way first.
    list->setMinimumSize(60, 60);
    return list;
}

} // namespace

EquipmentPanel::EquipmentPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent)
    : QGroupBox(tr("Equipment"), parent), editor_(editor), runner_(runner) {
    setObjectName("equipmentGroup");

    available_ = newList("availableWeaponsList",
                         tr("Weapons and equipment the design may carry: double-click a row or "
                            "select several and press Add"),
                         this);
    available_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    selected_ = newList("selectedEquipmentList",
                        tr("The design's weapons and equipment with their locations: (U) not "
                           "placed yet, [Base] part of the locked omni base chassis"),
                        this);
    selected_->setSelectionMode(QAbstractItemView::SingleSelection);

    // The other panels beside it hold the obvious letters: Add and Clear All go without one
    // (Enter in the list adds).
    add_ = commandButton(tr("Add") + QStringLiteral(" \u25BC"), "addWeaponButton",
                         tr("Add the selected rows to the design (Enter)"), this);
    remove_ = commandButton(tr("&Remove"), "removeWeaponButton",
                            tr("Take the selected entry off the design (Delete)"), this);
    clear_ = commandButton(tr("Clear All..."), "clearEquipmentButton",
                           tr("Take every weapon off the design, except those of an omni base "
                              "chassis"),
                           this);
    auto* selectedCaption = new QLabel(tr("On the desi&gn:"), this);
    selectedCaption->setBuddy(selected_);

    // One column from what may be added down to what the design carries: the side column is
    // narrow at 1366 x 768, and the lists take the height that is left.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(3);
    column->addWidget(buildFilters());
    column->addWidget(available_, 1);
    // Add stands where the rows go: above the design's list.
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(selectedCaption, 1, Qt::AlignBottom);
    addRow->addWidget(add_);
    column->addLayout(addRow);
    column->addWidget(selected_, 1);
    auto* removeRow = new QHBoxLayout;
    removeRow->addStretch(1);
    removeRow->addWidget(remove_);
    removeRow->addWidget(clear_);
    column->addLayout(removeRow);

    connect(add_, &QPushButton::clicked, this, &EquipmentPanel::addSelected);
    connect(available_, &QListWidget::itemDoubleClicked, this, &EquipmentPanel::addSelected);
    connect(remove_, &QPushButton::clicked, this, &EquipmentPanel::removeCurrent);
    connect(clear_, &QPushButton::clicked, this,
            [this] { runner_.run([this] { editor::ClearEquipment(editor_); }); });
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(key), available_, nullptr, nullptr, Qt::WidgetShortcut),
                &QShortcut::activated, this, &EquipmentPanel::addSelected);
    }
    connect(new QShortcut(QKeySequence::Delete, selected_, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &EquipmentPanel::removeCurrent);
    connect(available_, &QListWidget::itemSelectionChanged, this,
            &EquipmentPanel::showButtonStates);
    connect(selected_, &QListWidget::itemSelectionChanged, this, &EquipmentPanel::showButtonStates);
}

QWidget* EquipmentPanel::buildFilters() {
    auto* filters = new QWidget(this);
    auto* grid = new QGridLayout(filters);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    typeFilter_ = new QComboBox(filters);
    typeFilter_->setObjectName("weaponTypeFilter");
    typeFilter_->setToolTip(tr("List one type only; ammunition is listed under the type of the "
                               "weapons that fire it, and all of it under Ammunition"));
    typeFilter_->addItem(tr("All Types"), -1);
    for (const catalog::TypeText& type : catalog::weaponTypeTable()) {
        typeFilter_->addItem(toQString(type.shortName), static_cast<int>(type.code));
    }
    auto* caption = new QLabel(tr("Ava&ilable:"), filters);
    caption->setBuddy(available_);
    ammoOnly_ = new QCheckBox(tr("Ammo for current &weapons"), filters);
    ammoOnly_->setObjectName("ammoForCurrentWeapons");
    ammoOnly_->setToolTip(tr("List only the ammunition that the design's weapons fire"));
    grid->addWidget(caption, 0, 0);
    grid->addWidget(typeFilter_, 0, 1);
    grid->addWidget(ammoOnly_, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    // `activated` and `clicked` come from the player only; showing the design never reaches them.
    connect(typeFilter_, &QComboBox::activated, this, [this](int index) {
        const int type = typeFilter_->itemData(index).toInt();
        runner_.run([&] { editor::SetWeaponTypeFilter(editor_, type); });
    });
    connect(ammoOnly_, &QCheckBox::clicked, this, [this](bool on) {
        runner_.run([&] { editor::SetAmmoForCurrentWeapons(editor_, on); });
    });
    return filters;
}

void EquipmentPanel::showDesign() {
    const catalog::WeaponTable& weapons = editor_.context().weapons;
    const bool refilled = showRows(
        *available_, editor_.availableWeapons(),
        [](const editor::AvailableWeapon& row) { return toQString(row.text); },
        [](const editor::AvailableWeapon& row) { return QVariant(static_cast<int>(row.refID)); });
    if (refilled) {
        for (int i = 0; i < available_->count(); ++i) {
            QListWidgetItem* item = available_->item(i);
            const auto refID = static_cast<std::size_t>(item->data(Qt::UserRole).toInt());
            if (refID < weapons.size()) {
                item->setToolTip(item->text() + "\n" + weaponFigures(weapons[refID]));
            }
        }
    }
    showRows(
        *selected_, editor_.selectedEquipment(),
        [](const editor::WeaponRow& row) { return toQString(row.text); },
        [](const editor::WeaponRow& row) { return QVariant(static_cast<int>(row.weaponIndex)); });

    const QSignalBlocker blockType(typeFilter_);
    typeFilter_->setCurrentIndex(std::max(0, typeFilter_->findData(editor_.weaponTypeFilter())));
    const QSignalBlocker blockAmmo(ammoOnly_);
    ammoOnly_->setChecked(editor_.ammoForCurrentWeapons());
    showButtonStates();
}

void EquipmentPanel::showButtonStates() {
    add_->setEnabled(!available_->selectedItems().isEmpty());
    remove_->setEnabled(!selected_->selectedItems().isEmpty());
    const auto& weapons = editor_.mech().weapons();
    clear_->setEnabled(std::any_of(weapons.begin(), weapons.end(), [](const auto& weapon) {
        return !weapon.isFree() && !weapon.baseOmni;
    }));
}

void EquipmentPanel::addSelected() {
    std::vector<std::int16_t> refIDs;
    // In list order, whatever order the player picked them in.
    for (int i = 0; i < available_->count(); ++i) {
        if (available_->item(i)->isSelected()) {
            refIDs.push_back(
                static_cast<std::int16_t>(available_->item(i)->data(Qt::UserRole).toInt()));
        }
    }
    if (!refIDs.empty()) {
        runner_.run([&] { editor::AddWeapons(editor_, refIDs); });
    }
}

void EquipmentPanel::removeCurrent() {
    const QList<QListWidgetItem*> chosen = selected_->selectedItems();
    if (chosen.isEmpty()) {
        return;
    }
    const int row = selected_->row(chosen.front());
    const auto weaponIndex = static_cast<std::int16_t>(chosen.front()->data(Qt::UserRole).toInt());
    bool removed = false;
    runner_.run([&] { removed = editor::RemoveWeapon(editor_, weaponIndex); });
    // The next entry takes the removed one's place, so that Remove can be pressed again.
    if (removed && selected_->count() > 0) {
        selected_->setCurrentRow(std::min(row, selected_->count() - 1));
    }
}

} // namespace fpw::ui
