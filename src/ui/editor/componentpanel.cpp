#include "ui/editor/componentpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

#include "catalog/equipment.h"
#include "editor/components.h"
#include "editor/editor.h"
#include "editor/systems.h"
#include "ui/editor/actionrunner.h"
#include "ui/editor/choicecontrols.h"
#include "ui/editor/panelbuilder.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {
namespace {

// The count control's upper end: no design carries more, its tonnage stops it long before.
constexpr int kMostHeatSinks = 200;

} // namespace

ComponentPanel::ComponentPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    using namespace editor;
    PanelBuilder build(this, runner);

    QGroupBox* chassis = build.group(tr("Chassis"), "chassisGroup");
    tonnage_ = build.spin(tr("Tonnage:"), "tonnage", tr("The design's weight in tons"), 5,
                          [&editor](int tons) { ChangeTonnage(editor, tons); });
    tonnage_->setSuffix(tr(" tons"));
    techBase_ = build.combo(tr("Tech base:"), "techBase", {}, [&editor](const QString& text) {
        ChangeTechBase(editor, codeOf(catalog::techBaseTable(), text));
    });
    techLevel_ = build.combo(
        tr("Tech level:"), "techLevel", tr("Rules level: 1 introductory, 2 standard, 3 advanced"),
        [&editor](const QString& text) { ChangeTechLevel(editor, text.toInt()); });
    mechType_ = build.combo(tr("Body type:"), "mechType", {}, [&editor](const QString& text) {
        ChangeMechType(editor, codeOf(catalog::mechTypeTable(), text));
    });

    QGroupBox* movement = build.group(tr("Engine and Movement"), "movementGroup");
    engine_ = build.combo(tr("Engine:"), "engine", {}, [&editor](const QString& text) {
        ChangeEngine(editor, codeOf(catalog::engineTypeTable(), text));
    });
    engineRating_ =
        build.figure(tr("Rating:"), "engineRating", tr("Engine rating: walking MP times tonnage"));
    build.beginLine(tr("Walking MP:"));
    walking_ = build.spin({}, "walking", tr("Movement points when walking"), 1,
                          [&editor](int mp) { ChangeWalking(editor, mp); });
    jumping_ = build.spin(tr("Jump MP:"), "jumping", tr("Jump jets: one per jump MP"), 1,
                          [&editor](int mp) { ChangeJumping(editor, mp); });
    build.endLine();
    build.beginLine(tr("Running MP:"));
    running_ = build.figure({}, "running",
                            tr("Running MP; with MASC or a supercharger the boosted MP in "
                               "brackets"));
    sprinting_ = build.figure(tr("Sprinting:"), "sprinting", tr("Sprinting MP"));
    build.endLine();
    improvedJumpJets_ = build.check(tr("Improved jump jets"), "improvedJumpJets",
                                    tr("Jump as far as the design can run (tech level 3)"),
                                    [&editor](bool on) { ChangeImprovedJumpJets(editor, on); });

    QGroupBox* internals = build.group(tr("Internal Components"), "internalsGroup");
    gyro_ = build.combo(tr("Gyro:"), "gyro", {}, [&editor](const QString& text) {
        ChangeGyro(editor, codeOf(catalog::gyroTypeTable(), text));
    });
    cockpit_ = build.combo(tr("Cockpit:"), "cockpit", {}, [&editor](const QString& text) {
        ChangeCockpit(editor, codeOf(catalog::cockpitTypeTable(), text));
    });
    structure_ =
        build.combo(tr("Structure:"), "structure", tr("Internal structure type"),
                    [&editor](const QString& text) {
                        ChangeStructure(editor, codeOf(catalog::structureTypeTable(), text));
                    });
    armor_ = build.combo(tr("Armor:"), "armor", tr("Armor type"), [&editor](const QString& text) {
        ChangeArmorType(editor, codeOf(catalog::armorTypeTable(), text));
    });
    build.beginLine(tr("Heat sinks:"));
    heatSinkType_ =
        build.combo({}, "heatSinkType", tr("Heat sink type"), [&editor](const QString& text) {
            ChangeHeatSinkType(editor, codeOf(catalog::heatSinkTypeTable(), text));
        });
    heatSinks_ = build.spin({}, "heatSinks", tr("Heat sinks, the engine's own included"), 1,
                            [&editor](int count) { ChangeHeatSinkCount(editor, count); });
    build.endLine();

    QGroupBox* construction = build.group(tr("Construction"), "constructionGroup");
    limitCrits_ = build.check(tr("Limit critical slots"), "limitCrits",
                              tr("Only as many critical slots as the tonnage allows"),
                              [&editor](bool on) { SetLimitCrits(editor, on); });
    fractional_ = build.check(tr("Fractional accounting"), "fractional",
                              tr("Count tonnage in fractions instead of half tons"),
                              [&editor](bool on) { SetFractionalAccounting(editor, on); });

    build.alignCaptions();
    stackGroups(this, {chassis, movement, internals, construction});
}

void ComponentPanel::showDesign() {
    const editor::ComponentChoices& choices = editor_.choices();
    const editor::EditorDisplay& display = editor_.display();
    const model::Mech& mech = editor_.mech();

    showValue(tonnage_, choices.tonnageMin, choices.tonnageMax, mech.tonnage());
    showChoices(techBase_, choices.techBase);
    showChoices(techLevel_, choices.techLevel);
    showChoices(mechType_, choices.mechType);

    showChoices(engine_, choices.engine);
    engineRating_->setText(QString::number(mech.engineRating()));
    showValue(walking_, 1, choices.walkingMax, mech.walking());
    running_->setText(toQString(display.running));
    sprinting_->setText(toQString(display.sprinting));
    showValue(jumping_, 0, choices.jumpingMax, mech.jumping());
    showOption(improvedJumpJets_, choices.improvedJumpJets, mech.jumpJetType() != 0);

    showChoices(gyro_, choices.gyro);
    showChoices(cockpit_, choices.cockpit);
    showChoices(structure_, choices.structure);
    showChoices(armor_, choices.armor);
    showChoices(heatSinkType_, choices.heatSinks);
    showValue(heatSinks_, choices.heatSinksMin, kMostHeatSinks, mech.hsCount());

    showOption(limitCrits_, choices.limitCrits, mech.limitCrits());
    showOption(fractional_, choices.fractional, mech.fractionalAccounting());
}

} // namespace fpw::ui
