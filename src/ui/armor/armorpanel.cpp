#include "ui/armor/armorpanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/armor.h"
#include "editor/editor.h"
#include "ui/editor/actionrunner.h"
#include "ui/editor/panelbuilder.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {
namespace {

// Where each location sits in the body grid: the head on top, the arms beside the torsos, the
// legs at the outer ends below them and the torso rears under their fronts.
struct GridPlace {
    int loc;
    int row;
    int column;
};
constexpr std::array<GridPlace, editor::kArmorLocations> kBody{{
    {catalog::kHead, 0, 2},
    {catalog::kLeftArm, 1, 0},
    {catalog::kLeftTorso, 1, 1},
    {catalog::kCenterTorso, 1, 2},
    {catalog::kRightTorso, 1, 3},
    {catalog::kRightArm, 1, 4},
    {catalog::kLeftLeg, 2, 0},
    {catalog::kLeftTorsoRear, 2, 1},
    {catalog::kCenterTorsoRear, 2, 2},
    {catalog::kRightTorsoRear, 2, 3},
    {catalog::kRightLeg, 2, 4},
}};

} // namespace

ArmorPanel::ArmorPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent)
    : QGroupBox(tr("Armor"), parent), editor_(editor) {
    setObjectName("armorGroup");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* body = new QGridLayout;
    body->setSpacing(2);
    total_ = new QLabel(this);
    total_->setObjectName("armorTotal");
    total_->setToolTip(tr("Armor points on the design; in brackets the points its armor "
                          "tonnage pays for that no location holds yet"));
    tonnage_ = new QLabel(this);
    tonnage_->setObjectName("armorTonnage");
    tonnage_->setToolTip(tr("What the armor weighs"));
    tonnage_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    body->addWidget(total_, 0, 0, 1, 2);
    body->addWidget(tonnage_, 0, 3, 1, 2);

    auto* locationGroup = new QButtonGroup(this);
    locationGroup->setExclusive(true);
    for (const GridPlace& place : kBody) {
        QToolButton* button = locationButton(place.loc);
        locations_[static_cast<std::size_t>(place.loc)] = button;
        locationGroup->addButton(button, place.loc);
        body->addWidget(button, place.row, place.column);
    }
    connect(locationGroup, &QButtonGroup::idClicked, this, [this, &runner](int loc) {
        runner.run([this, loc] { editor::SelectArmorLocation(editor_, loc); });
    });
    layout->addLayout(body);

    auto* sliderRow = new QHBoxLayout;
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName("armorSlider");
    slider_->setToolTip(tr("Armor points of the chosen location: drag, or use the arrow and "
                           "page keys"));
    // A drag is one change when it ends, not one per step on the way.
    slider_->setTracking(false);
    slider_->setPageStep(5);
    connect(slider_, &QSlider::sliderMoved, this, &ArmorPanel::showSliderPosition);
    connect(slider_, &QSlider::valueChanged, this, [this, &runner](int points) {
        runner.run([this, points] {
            editor::SetArmorPoints(editor_, editor_.armorControls().location, points);
        });
    });
    bar_ = new QProgressBar(this);
    bar_->setObjectName("armorBar");
    bar_->setToolTip(tr("The chosen location's points against what it may hold"));
    bar_->setRange(0, 100);
    bar_->setAlignment(Qt::AlignCenter);
    bar_->setFixedWidth(fontMetrics().horizontalAdvance("88 of 88") + 16);
    sliderRow->addWidget(slider_, 1);
    sliderRow->addWidget(bar_);
    layout->addLayout(sliderRow);

    auto* options = new QHBoxLayout;
    balance_ = new QCheckBox(tr("&Balance"), this);
    balance_->setObjectName("balanceArmor");
    balance_->setToolTip(tr("The slider sets the location across the body (left and right) to "
                            "the same points"));
    connect(balance_, &QCheckBox::clicked, this, [this, &runner](bool on) {
        runner.run([this, on] { editor::SetBalanceArmor(editor_, on); });
    });
    maximum_ = commandButton(tr("Ma&ximum"), "maximumArmor",
                             tr("Every location to the most armor it can carry"), this);
    connect(maximum_, &QPushButton::clicked, this,
            [this, &runner] { runner.run([this] { editor::MaximumArmor(editor_); }); });
    options->addWidget(balance_);
    options->addStretch(1);
    options->addWidget(maximum_);
    layout->addLayout(options);

    auto* spread = new QHBoxLayout;
    addPoints_ = commandButton(tr("Add &Points..."), "addArmorPoints",
                               tr("Spread a number of armor points over the whole design"), this);
    connect(addPoints_, &QPushButton::clicked, this,
            [this, &runner] { runner.run([this] { editor::AddArmorPoints(editor_); }); });
    addTonnage_ = commandButton(tr("Add T&ons..."), "addArmorTonnage",
                                tr("Spread a tonnage of armor over the whole design"), this);
    connect(addTonnage_, &QPushButton::clicked, this,
            [this, &runner] { runner.run([this] { editor::AddArmorTonnage(editor_); }); });
    spread->addWidget(addPoints_);
    spread->addWidget(addTonnage_);
    layout->addLayout(spread);
    layout->addStretch(1);
}

QToolButton* ArmorPanel::locationButton(int loc) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString("armorLocation%1").arg(loc));
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Five across must fit the editor's side column on a 1366 pixel wide screen.
    button->setMinimumWidth(fontMetrics().horizontalAdvance("88/88") + 2);
    return button;
}

void ArmorPanel::showDesign() {
    const editor::ArmorPanel panel = editor::armorPanel(editor_);
    const model::Mech& mech = editor_.mech();
    const bool quad = mech.mechType() == catalog::kQuad;
    for (int loc = 0; loc < editor::kArmorLocations; ++loc) {
        const editor::ArmorLocationView& view = panel.locations[static_cast<std::size_t>(loc)];
        QToolButton* button = locations_[static_cast<std::size_t>(loc)];
        button->setText(QString("%1\n%2/%3")
                            .arg(toQString(catalog::locationAbbreviation(loc, quad)))
                            .arg(view.points)
                            .arg(view.maximum));
        button->setToolTip(tr("%1: %2 armor points, at most %3 now; choose it for the slider")
                               .arg(toQString(catalog::locationName(loc, quad)))
                               .arg(view.points)
                               .arg(view.maximum));
        const QSignalBlocker blocker(button);
        button->setChecked(loc == panel.location);
    }
    {
        const QSignalBlocker blocker(slider_);
        slider_->setRange(0, panel.sliderMax);
        slider_->setValue(panel.sliderValue);
        slider_->setEnabled(panel.sliderMax > 0);
    }
    bar_->setValue(panel.percent);
    bar_->setFormat(toQString(panel.pointsText));
    {
        const QSignalBlocker blocker(balance_);
        balance_->setChecked(panel.balance);
        balance_->setEnabled(true);
    }
    for (QPushButton* command : {maximum_, addPoints_, addTonnage_}) {
        command->setEnabled(true);
    }
    total_->setText(tr("Points\n%1").arg(toQString(editor_.display().armorPoints)));
    tonnage_->setText(tr("Tons\n%1").arg(mech.armorTonnage()));
}

void ArmorPanel::showSliderPosition(int points) {
    const int maximum = slider_->maximum();
    bar_->setValue(maximum > 0 ? points * 100 / maximum : 0);
    bar_->setFormat(toQString(editor::armorPointsText(points, maximum)));
}

} // namespace fpw::ui
