// The armour panel: the eleven locations laid out like the body with their points and what
// each may still take, the slider for the chosen location with its bar, the balance option,
// maximum armour, adding armour by points or by tonnage, and the armour total.
#pragma once

#include <array>

#include <QGroupBox>

#include "editor/armorcontrols.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QToolButton;

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {

class ActionRunner;

class ArmorPanel : public QGroupBox {
    Q_OBJECT
public:
    ArmorPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent = nullptr);

    // Every location, the slider, the options and the totals as the editor has them.
    void showDesign();

private:
    QToolButton* locationButton(int loc);
    // The slider's position while it is dragged, before the editor hears of it.
    void showSliderPosition(int points);

    editor::Editor& editor_;
    std::array<QToolButton*, editor::kArmorLocations> locations_{};
    QSlider* slider_;
    QProgressBar* bar_;
    QCheckBox* balance_;
    QPushButton* maximum_;
    QPushButton* addPoints_;
    QPushButton* addTonnage_;
    QLabel* total_;
    QLabel* tonnage_;
};

} // namespace fpw::ui
