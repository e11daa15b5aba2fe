#include "ui/editor/systemspanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "editor/systems.h"
#include "ui/editor/actionrunner.h"
#include "ui/editor/choicecontrols.h"
#include "ui/editor/panelbuilder.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {
namespace {

constexpr int kLowerArm = 2;
constexpr int kHand = 3;

// The location whose name the player picked from the supercharger's list.
int locationNamed(const editor::Editor& editor, const QString& name) {
    const bool quad = editor.mech().mechType() == 1;
    for (int loc = 0; loc < 8; ++loc) {
        if (toQString(catalog::locationName(loc, quad)) == name) {
            return loc;
        }
    }
    return -1;
}

// A turret's option, with its weight once it is mounted.
QString turretText(const QString& torso, bool mounted, const std::string& weight) {
    return mounted ? torso + " (" + toQString(weight) + ")" : torso;
}

} // namespace

SystemsPanel::SystemsPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent)
    : QWidget(parent), editor_(editor), armsPage_(new QWidget(this)) {
    using namespace editor;
    PanelBuilder build(this, runner);

    QGroupBox* boosters = build.group(tr("Myomer and Boosters"), "boostersGroup");
    build.beginLine();
    masc_ =
        build.check(tr("MASC"), "masc", tr("Myomer Accelerator Signal Circuitry: boosts running"),
                    [&editor](bool on) { SetMASC(editor, on); });
    tsm_ = build.check(tr("Triple-strength myomer"), "tsm", {},
                       [&editor](bool on) { SetTSM(editor, on); });
    build.endLine();
    build.beginLine();
    supercharger_ = build.check(tr("Supercharger"), "supercharger",
                                tr("Boosts running; sits in a location that holds the engine"),
                                [&editor](bool on) { SetSupercharger(editor, on); });
    superchargerLocation_ = build.combo(
        tr("in"), "superchargerLocation", tr("Where the supercharger sits"),
        [&editor](const QString& text) { MoveSupercharger(editor, locationNamed(editor, text)); });
    build.endLine();
    nullSignature_ = build.check(tr("Null-signature system"), "nullSignature", {},
                                 [&editor](bool on) { SetNullSignature(editor, on); });

    QGroupBox* fireControl = build.group(tr("Targeting and Fire Control"), "fireControlGroup");
    targeting_ =
        build.combo(tr("Targeting:"), "targeting", tr("Targeting and tracking system"),
                    [&editor](const QString& text) {
                        ChangeTargetingSystem(editor, codeOf(catalog::targetingTypeTable(), text));
                    });
    artemisLRM_ = build.combo(tr("Artemis LRM:"), "artemisLRM",
                              tr("Artemis fire control for the long-range missile launchers"),
                              [&editor](const QString& text) {
                                  SetArtemis(editor, true, codeOf(catalog::artemisTable(), text));
                              });
    artemisSRM_ = build.combo(tr("Artemis SRM:"), "artemisSRM",
                              tr("Artemis fire control for the short-range missile launchers"),
                              [&editor](const QString& text) {
                                  SetArtemis(editor, false, codeOf(catalog::artemisTable(), text));
                              });

    QGroupBox* physical = build.group(tr("Physical Weapon"), "physicalGroup");
    physical_ = build.combo(tr("Weapon:"), "physical", {}, [&editor](const QString& text) {
        ChangePhysicalType(editor, codeOf(catalog::physicalTypeTable(), text));
    });
    build.beginLine();
    physicalLeft_ = build.check(tr("In left arm"), "physicalLeft", {},
                                [&editor](bool on) { SetPhysicalArm(editor, false, on); });
    physicalRight_ = build.check(tr("In right arm"), "physicalRight", {},
                                 [&editor](bool on) { SetPhysicalArm(editor, true, on); });
    build.endLine();

    QGroupBox* turrets = build.group(tr("Turrets"), "turretsGroup");
    leftTurret_ = build.check({}, "leftTurret", tr("A turret in the left torso"),
                              [&editor](bool on) { SetTurret(editor, false, on); });
    rightTurret_ = build.check({}, "rightTurret", tr("A turret in the right torso"),
                               [&editor](bool on) { SetTurret(editor, true, on); });

    QGroupBox* arms = build.group(tr("Arms"), "armsGroup");
    build.beginLine(tr("Left arm:"));
    leftLowerArm_ =
        build.check(tr("Lower arm"), "leftLowerArm", tr("Left lower arm actuator"),
                    [&editor](bool on) { SetArmActuator(editor, false, kLowerArm, on); });
    leftHand_ = build.check(tr("Hand"), "leftHand", tr("Left hand actuator"),
                            [&editor](bool on) { SetArmActuator(editor, false, kHand, on); });
    build.endLine();
    build.beginLine(tr("Right arm:"));
    rightLowerArm_ =
        build.check(tr("Lower arm"), "rightLowerArm", tr("Right lower arm actuator"),
                    [&editor](bool on) { SetArmActuator(editor, true, kLowerArm, on); });
    rightHand_ = build.check(tr("Hand"), "rightHand", tr("Right hand actuator"),
                             [&editor](bool on) { SetArmActuator(editor, true, kHand, on); });
    build.endLine();
    armless_ = build.check(tr("Armless"), "armless", tr("A design without arms"),
                           [&editor](bool on) { SetArmless(editor, on); });

    QGroupBox* caseGroup = build.group(tr("CASE"), "caseGroup");
    caseGroup->setToolTip(tr("Cellular ammunition storage equipment per location"));
    // Torsos first: they are the usual places for it.
    for (const int loc : {1, 6, 4, 0, 5, 2, 3}) {
        case_[loc] =
            build.combo(toQString(catalog::locationName(loc, false)) + ":",
                        QString("case%1").arg(loc), {}, [&editor, loc](const QString& text) {
                            SetCASE(editor, loc, codeOf(catalog::caseTable(), text));
                        });
        caseCaptions_[loc] = qobject_cast<QLabel*>(build.form()->labelForField(case_[loc]));
    }
    build.alignCaptions();

    stackGroups(this, {boosters, fireControl, physical, turrets});
    stackGroups(armsPage_, {arms, caseGroup});
}

void SystemsPanel::showDesign() {
    const editor::ComponentChoices& choices = editor_.choices();
    const editor::EditorDisplay& display = editor_.display();
    const model::Mech& mech = editor_.mech();

    showOption(masc_, choices.masc, mech.masc() != 0);
    showOption(tsm_, choices.tsm, mech.tsm());
    showOption(supercharger_, choices.supercharger, mech.supercharger());
    editor::ChoiceList location = choices.superchargerLocation;
    location.enabled = location.enabled && mech.supercharger();
    showChoices(superchargerLocation_, location);
    showOption(nullSignature_, choices.nullSignature, mech.nullSigSys());

    showChoices(targeting_, choices.targeting);
    showChoices(artemisLRM_, choices.artemisLRM);
    showChoices(artemisSRM_, choices.artemisSRM);

    showChoices(physical_, choices.physical);
    editor::OptionState arms = choices.physicalArms;
    arms.enabled = arms.enabled && mech.physicalType() != 0;
    showOption(physicalLeft_, arms, mech.laPhysical());
    showOption(physicalRight_, arms, mech.raPhysical());

    showOption(leftTurret_, choices.turrets, mech.ltTurret());
    leftTurret_->setText(turretText(tr("Left torso"), mech.ltTurret(), display.ltTurret));
    showOption(rightTurret_, choices.turrets, mech.rtTurret());
    rightTurret_->setText(turretText(tr("Right torso"), mech.rtTurret(), display.rtTurret));

    showOption(leftLowerArm_, choices.armActuators, mech.GetLAActuator(kLowerArm));
    showOption(leftHand_, choices.armActuators, mech.GetLAActuator(kHand));
    showOption(rightLowerArm_, choices.armActuators, mech.GetRAActuator(kLowerArm));
    showOption(rightHand_, choices.armActuators, mech.GetRAActuator(kHand));
    // A quad has no arms: their lines go, captions and all.
    setShownWithCaption(leftLowerArm_, choices.armActuators.visible);
    setShownWithCaption(rightLowerArm_, choices.armActuators.visible);
    showOption(armless_, choices.armless, mech.armless());

    // A quad's arms are its front legs.
    const bool quad = mech.mechType() == 1;
    for (int loc = 0; loc < 7; ++loc) {
        showChoices(case_[loc], choices.caseLocations[loc]);
        caseCaptions_[loc]->setText(toQString(catalog::locationName(loc, quad)) + ":");
    }
}

} // namespace fpw::ui
