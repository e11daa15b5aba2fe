// The preferences: slot colours, the defaults of a new design, the ammunition print texts,
// the record sheet options and the save prompt. OK stores them when the rules allow.
#pragma once

#include <array>
#include <cstdint>

#include <QDialog>

#include "app/settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace fpw::app {
struct ProgramContext;
class SettingsStore;
} // namespace fpw::app

namespace fpw::ui {

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(app::ProgramContext& ctx, app::SettingsStore& store,
                      QWidget* parent = nullptr);

    // The settings as the dialog shows them.
    app::Settings chosenSettings() const;

public Q_SLOTS:
    // Refuses with the rules' message and stays open, or stores the settings and closes.
    void accept() override;

private:
    QWidget* buildColors();
    QWidget* buildDefaults();
    QWidget* buildAmmoTexts();
    QWidget* buildRecordSheet();
    void pickColor(std::size_t index);
    void showColor(std::size_t index);

    app::ProgramContext& ctx_;
    app::SettingsStore& store_;
    app::Settings settings_;
    std::array<QPushButton*, 12> colorButtons_{};
    QComboBox* techBase_ = nullptr;
    QComboBox* techLevel_ = nullptr;
    QComboBox* mechType_ = nullptr;
    QLineEdit* specialAmmo_ = nullptr;
    QLineEdit* standardAmmo_ = nullptr;
    QComboBox* heatScale_ = nullptr;
    QCheckBox* multiPrintText_ = nullptr;
    QCheckBox* locationRolls_ = nullptr;
    QCheckBox* savePrompt_ = nullptr;
};

} // namespace fpw::ui
