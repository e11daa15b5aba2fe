#include "ui/slotboard/slotboard.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "ui/services/settingscolor.h"
#include "ui/slotboard/slotlistview.h"
#include "ui/slotboard/unallocatedlists.h"

namespace fpw::ui {
namespace {

namespace loc = catalog;

// Where each location sits on the board: row and column of a five-column body.
struct BoardPlace {
    int location;
    int row;
    int column;
};
constexpr std::array<BoardPlace, 8> kPlaces{{
    {loc::kHead, 0, 2},
    {loc::kLeftArm, 1, 0},
    {loc::kLeftTorso, 1, 1},
    {loc::kCenterTorso, 1, 2},
    {loc::kRightTorso, 1, 3},
    {loc::kRightArm, 1, 4},
    {loc::kLeftLeg, 2, 1},
    {loc::kRightLeg, 2, 3},
}};

// A list under a plain caption.
QVBoxLayout* titled(const QString& title, QWidget* list) {
    auto* cell = new QVBoxLayout;
    cell->setSpacing(0);
    auto* caption = new QLabel(title, list->parentWidget());
    caption->setAlignment(Qt::AlignCenter);
    caption->setBuddy(list);
    cell->addWidget(caption);
    cell->addWidget(list, 1);
    return cell;
}

} // namespace

SlotBoard::SlotBoard(editor::Editor& editor, ActionRunner& runner, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    setObjectName("slotBoard");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    for (const BoardPlace& place : kPlaces) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        auto* caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("slotCaption%1").arg(place.location));
        caption->setAlignment(Qt::AlignCenter);
        caption->setAutoFillBackground(true);
        caption->setMargin(1);
        auto* list = new SlotListView(editor, runner, place.location, this);
        list->setHoverListener([this](const std::string& id) { highlight(id); });
        cell->addWidget(caption);
        cell->addWidget(list);
        cell->addStretch(1);
        grid->addLayout(cell, place.row, place.column);
        captions_[static_cast<std::size_t>(place.location)] = caption;
        lists_[static_cast<std::size_t>(place.location)] = list;
    }
    // What is still to be placed fills the corners beside the legs.
    weapons_ = new UnallocatedWeaponList(editor, this);
    items_ = new UnallocatedItemList(editor, runner, this);
    grid->addLayout(titled(tr("Unallocated Weapons"), weapons_), 2, 0);
    grid->addLayout(titled(tr("Unallocated Items"), items_), 2, 4);
    for (int column = 0; column < 5; ++column) {
        grid->setColumnStretch(column, 1);
    }
    grid->setRowStretch(3, 1);
    showDesign();
}

void SlotBoard::showDesign() {
    const app::Settings& settings = editor_.context().settings;
    const bool quad = editor_.mech().mechType() == catalog::kQuad;
    QPalette palette = captions_[0]->palette();
    palette.setColor(QPalette::Window, toQColor(settings.locationBackground));
    palette.setColor(QPalette::WindowText, toQColor(settings.locationForeground));
    for (int location = 0; location < catalog::kSlotLocationCount; ++location) {
        QLabel* caption = captions_[static_cast<std::size_t>(location)];
        caption->setText(QString::fromStdString(catalog::locationName(location, quad)));
        caption->setPalette(palette);
        lists_[static_cast<std::size_t>(location)]->showSlots();
    }
    weapons_->showDesign();
    items_->showDesign();
}

void SlotBoard::highlight(const std::string& identifier) {
    for (int location = 0; location < catalog::kSlotLocationCount; ++location) {
        model::CritLocation& list = editor_.mech().critLocation(location);
        if (list.highlightedItem() != identifier) {
            list.HighlightItem(identifier);
        }
    }
}

} // namespace fpw::ui
