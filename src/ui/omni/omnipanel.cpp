#include "ui/omni/omnipanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editor/editor.h"
#include "editor/omnirules.h"
#include "ui/editor/actionrunner.h"
#include "ui/editor/choicecontrols.h"

namespace fpw::ui {

OmniPanel::OmniPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent)
    : QGroupBox(tr("Omni Variants"), parent), editor_(editor) {
    setObjectName("omniGroup");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(4);

    hint_ = new QLabel(tr("For Omni-Mechs: lock the base chassis, then add variants."), this);
    hint_->setObjectName("omniHint");
    hint_->setWordWrap(true);
    hint_->setEnabled(false);
    grid->addWidget(hint_, 0, 0, 1, 3);

    lock_ = new QPushButton(tr("&Lock Chassis..."), this);
    lock_->setObjectName("PButLockChassis");
    lock_->setToolTip(tr("Fix the base chassis as it stands: engine, structure, armor and "
                         "everything placed. Variants then fill the pod space; there is no "
                         "unlocking."));
    lock_->setAutoDefault(false);
    connect(lock_, &QPushButton::clicked, this,
            [this, &runner] { runner.run([this] { editor::LockChassis(editor_); }); });
    grid->addWidget(lock_, 1, 0, 1, 3);

    variants_ = new QComboBox(this);
    variants_->setObjectName("cmboOmniVariant");
    variants_->setToolTip(tr("The variant shown; choosing another stores this one first"));
    variants_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    variants_->setMinimumContentsLength(8);
    auto* variantCaption = new QLabel(tr("&Variant:"), this);
    variantCaption->setBuddy(variants_);
    // `activated` comes from the player only: refilling the list never reaches the rule.
    connect(variants_, &QComboBox::activated, this, [this, &runner](int index) {
        const std::string name = variants_->itemText(index).toStdString();
        runner.run([this, &name] { editor::ChooseVariant(editor_, name); });
    });
    add_ = new QPushButton(tr("&Add..."), this);
    add_->setObjectName("PButAddVariant");
    add_->setToolTip(tr("A new variant, starting from the base chassis"));
    add_->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this,
            [this, &runner] { runner.run([this] { editor::AddVariant(editor_); }); });
    delete_ = new QPushButton(tr("&Delete..."), this);
    delete_->setObjectName("PButDelVariant");
    delete_->setToolTip(tr("Delete the variant shown; the first remaining one is loaded"));
    delete_->setAutoDefault(false);
    connect(delete_, &QPushButton::clicked, this, [this, &runner] {
        const std::string name = variants_->currentText().toStdString();
        runner.run([this, &name] { editor::DeleteVariant(editor_, name); });
    });
    grid->addWidget(variantCaption, 2, 0);
    grid->addWidget(variants_, 2, 1, 1, 2);
    grid->addWidget(add_, 3, 1);
    grid->addWidget(delete_, 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
}

void OmniPanel::showDesign() {
    const editor::OmniControls controls = editor::omniControls(editor_);
    hint_->setVisible(!controls.lockVisible && !controls.variantsVisible);
    lock_->setVisible(controls.lockVisible);
    editor::ChoiceList list;
    list.items = controls.variants;
    list.selected = controls.selected;
    list.visible = controls.variantsVisible;
    showChoices(variants_, list);
    add_->setVisible(controls.variantsVisible);
    delete_->setVisible(controls.variantsVisible);
}

} // namespace fpw::ui
