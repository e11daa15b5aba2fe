#include "ui/preferences/preferencesdialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/inisettings.h"
#include "app/preferences.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/services/settingscolor.h"

namespace fpw::ui {
namespace {

// The colour settings in the grid's order: the background and text colour of each state.
struct ColorSlot {
    const char* caption;
    std::int32_t app::Settings::*background;
    std::int32_t app::Settings::*text;
};

constexpr std::array<ColorSlot, 6> kColorRows{{
    {"Normal slot", &app::Settings::normalColor, &app::Settings::normalTextColor},
    {"Locked slot", &app::Settings::lockedColor, &app::Settings::lockedTextColor},
    {"Armored slot", &app::Settings::armoredColor, &app::Settings::armoredTextColor},
    {"Highlighted slot", &app::Settings::hilitedColor, &app::Settings::hilitedTextColor},
    {"Inactive slot", &app::Settings::inactiveColor, &app::Settings::inactiveTextColor},
    {"Location caption", &app::Settings::locationBackground, &app::Settings::locationForeground},
}};

std::int32_t app::Settings::*colorField(std::size_t index) {
    const ColorSlot& row = kColorRows[index / 2];
    return index % 2 == 0 ? row.background : row.text;
}

// "Heat Scale": which record sheets show the extended scale.
const std::array<const char*, 3> kHeatScales{"Extended scale (0-50) always",
                                             "Extended scale at tech level 3",
                                             "Standard scale (0-30) always"};

template <typename Table> void addNames(QComboBox* combo, Table table) {
    for (const auto& row : table) {
        combo->addItem(toQString(row.shortName));
    }
}

} // namespace

PreferencesDialog::PreferencesDialog(app::ProgramContext& ctx, app::SettingsStore& store,
                                     QWidget* parent)
    : QDialog(parent), ctx_(ctx), store_(store), settings_(ctx.settings) {
    setWindowTitle(tr("Preferences"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(buildColors(), 0, 0, 2, 1);
    grid->addWidget(buildDefaults(), 0, 1);
    grid->addWidget(buildRecordSheet(), 1, 1);
    grid->addWidget(buildAmmoTexts(), 2, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
    grid->addWidget(buttons, 3, 0, 1, 2);
}

QWidget* PreferencesDialog::buildColors() {
    auto* box = new QGroupBox(tr("Slot Colors"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("Background"), box), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("Text"), box), 0, 2, Qt::AlignCenter);
    for (std::size_t row = 0; row < kColorRows.size(); ++row) {
        grid->addWidget(new QLabel(tr(kColorRows[row].caption) + ":", box),
                        static_cast<int>(row) + 1, 0);
        for (std::size_t column = 0; column < 2; ++column) {
            const std::size_t index = row * 2 + column;
            auto* button = new QPushButton(box);
            button->setObjectName(QString("color%1").arg(index));
            button->setFixedSize(64, 24);
            button->setToolTip(tr("Choose the %1 colour of a %2")
                                   .arg(column == 0 ? tr("background") : tr("text"),
                                        tr(kColorRows[row].caption).toLower()));
            connect(button, &QPushButton::clicked, this, [this, index] { pickColor(index); });
            grid->addWidget(button, static_cast<int>(row) + 1, static_cast<int>(column) + 1);
            colorButtons_[index] = button;
            showColor(index);
        }
    }
    grid->setRowStretch(static_cast<int>(kColorRows.size()) + 1, 1);
    return box;
}

QWidget* PreferencesDialog::buildDefaults() {
    auto* box = new QGroupBox(tr("New Designs"), this);
    auto* form = new QFormLayout(box);
    techBase_ = new QComboBox(box);
    techBase_->setObjectName("defaultTechBase");
    addNames(techBase_, catalog::techBaseTable());
    techBase_->setCurrentText(toQString(settings_.defaultTechBase));
    techLevel_ = new QComboBox(box);
    techLevel_->setObjectName("defaultTechLevel");
    techLevel_->addItems({"1", "2", "3"});
    techLevel_->setCurrentText(QString::number(settings_.defaultTechLevel));
    mechType_ = new QComboBox(box);
    mechType_->setObjectName("defaultMechType");
    addNames(mechType_, catalog::mechTypeTable());
    mechType_->setCurrentText(toQString(settings_.defaultMechType));
    form->addRow(tr("Tech base:"), techBase_);
    form->addRow(tr("Tech level:"), techLevel_);
    form->addRow(tr("Body type:"), mechType_);
    return box;
}

QWidget* PreferencesDialog::buildRecordSheet() {
    auto* box = new QGroupBox(tr("Record Sheets and Saving"), this);
    auto* form = new QFormLayout(box);
    heatScale_ = new QComboBox(box);
    heatScale_->setObjectName("heatScale");
    for (const char* scale : kHeatScales) {
        heatScale_->addItem(tr(scale));
    }
    heatScale_->setCurrentIndex(settings_.heatScale);
    form->addRow(tr("Heat scale:"), heatScale_);
    multiPrintText_ = new QCheckBox(tr("Text armor diagram when printing many"), box);
    multiPrintText_->setObjectName("multiPrintType");
    multiPrintText_->setChecked(settings_.multiPrintType);
    locationRolls_ = new QCheckBox(tr("Print location die rolls"), box);
    locationRolls_->setObjectName("printLocRolls");
    locationRolls_->setToolTip(tr("Each critical slot line starts with its die roll"));
    locationRolls_->setChecked(settings_.printLocRolls);
    savePrompt_ = new QCheckBox(tr("Ask before replacing the design's own file"), box);
    savePrompt_->setObjectName("savePrompt");
    savePrompt_->setChecked(settings_.savePrompt);
    form->addRow(multiPrintText_);
    form->addRow(locationRolls_);
    form->addRow(savePrompt_);
    return box;
}

QWidget* PreferencesDialog::buildAmmoTexts() {
    auto* box = new QGroupBox(tr("Ammunition Print Text"), this);
    auto* form = new QFormLayout(box);
    specialAmmo_ = new QLineEdit(toQString(settings_.ammoSpecialHeader), box);
    specialAmmo_->setObjectName("ammoSpecialHeader");
    standardAmmo_ = new QLineEdit(toQString(settings_.ammoStandardHeader), box);
    standardAmmo_->setObjectName("ammoStandardHeader");
    form->addRow(tr("Special ammunition:"), specialAmmo_);
    form->addRow(tr("Standard ammunition:"), standardAmmo_);
    auto* legend =
        new QLabel(tr("%0 the ammunition's name, %1 its type, %2 the number of shots"), box);
    legend->setEnabled(false);
    form->addRow(legend);
    return box;
}

void PreferencesDialog::pickColor(std::size_t index) {
    const QColor chosen = QColorDialog::getColor(toQColor(settings_.*colorField(index)), this);
    if (chosen.isValid()) {
        settings_.*colorField(index) = toSettingColor(chosen);
        showColor(index);
    }
}

void PreferencesDialog::showColor(std::size_t index) {
    colorButtons_[index]->setStyleSheet(
        QString("QPushButton { background: %1; border: 1px solid #808080; }")
            .arg(toQColor(settings_.*colorField(index)).name()));
}

app::Settings PreferencesDialog::chosenSettings() const {
    app::Settings chosen = settings_;
    chosen.defaultTechBase = techBase_->currentText().toStdString();
    chosen.defaultTechLevel = static_cast<std::int16_t>(techLevel_->currentText().toInt());
    chosen.defaultMechType = mechType_->currentText().toStdString();
    chosen.ammoSpecialHeader = specialAmmo_->text().toStdString();
    chosen.ammoStandardHeader = standardAmmo_->text().toStdString();
    chosen.heatScale = static_cast<std::int16_t>(heatScale_->currentIndex());
    chosen.multiPrintType = multiPrintText_->isChecked();
    chosen.printLocRolls = locationRolls_->isChecked();
    chosen.savePrompt = savePrompt_->isChecked();
    return chosen;
}

void PreferencesDialog::accept() {
    const app::Settings chosen = chosenSettings();
    if (const auto refusal = app::CheckPreferences(chosen)) {
        ctx_.user.message(refusal->text, refusal->title, app::MessageIcon::Critical);
        return;
    }
    ctx_.settings = chosen;
    app::WritePreferences(store_, chosen);
    QDialog::accept();
}

} // namespace fpw::ui
