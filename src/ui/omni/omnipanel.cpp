#include "ui/omni/omnipanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/editor.h"
#include "editor/omnirules.h"
#include "ui/editor/actionrunner.h"
#include "ui/editor/choicecontrols.h"

namespace fpw::ui {

OmniPanel::OmniPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent)
    : QGroupBox(tr("Omni Variants"), parent), editor_(editor) {
    setObjectName("omniGroup");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    hint_ = new QLabel(tr("For Omni-Mechs: lock the base chassis, then add variants."), this);
    hint_->setObjectName("omniHint");
    hint_->setWordWrap(true);
    hint_->setEnabled(false);
    layout->addWidget(hint_);

    lock_ = new QPushButton(tr("&Lock Chassis..."), this);
    lock_->setObjectName("PButLockChassis");
    lock_->setToolTip(tr("Fix the base chassis as it stands: engine, structure, armor and "
                         "everything placed. Variants then fill the pod space; there is no "
                         "unlocking."));
    lock_->setAutoDefault(false);
    connect(lock_, &QPushButton::clicked, this,
            [this, &runner] { runner.run([this] { editor::LockChassis(editor_); }); });
    layout->addWidget(lock_);

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
    // Two rows, so that the panel fits the narrow side column of a small screen.
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(variantCaption);
    listRow->addWidget(variants_, 1);
    layout->addLayout(listRow);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(add_);
    buttonRow->addWidget(delete_);
    layout->addLayout(buttonRow);
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
