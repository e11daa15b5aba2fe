// The optional systems of a design: myomer and boosters, targeting and fire control, the
// physical weapon and turrets on one page; the arms and CASE per location on a second page
// (`armsPage`), so that each fits the narrow column beside the slot board.
#pragma once

#include <array>

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {

class ActionRunner;

class SystemsPanel : public QWidget {
    Q_OBJECT
public:
    SystemsPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent = nullptr);

    // The arms and CASE page; the window shows it as a tab of its own and owns it from then on.
    QWidget* armsPage() const { return armsPage_; }

    void showDesign();

private:
    editor::Editor& editor_;
    QWidget* armsPage_;
    QCheckBox* masc_;
    QCheckBox* tsm_;
    QCheckBox* supercharger_;
    QComboBox* superchargerLocation_;
    QCheckBox* nullSignature_;
    QComboBox* targeting_;
    QComboBox* artemisLRM_;
    QComboBox* artemisSRM_;
    QComboBox* physical_;
    QCheckBox* physicalLeft_;
    QCheckBox* physicalRight_;
    QCheckBox* leftLowerArm_;
    QCheckBox* leftHand_;
    QCheckBox* rightLowerArm_;
    QCheckBox* rightHand_;
    QCheckBox* armless_;
    QCheckBox* leftTurret_;
    QCheckBox* rightTurret_;
    std::array<QComboBox*, 7> case_{};
    std::array<QLabel*, 7> caseCaptions_{};
};

} // namespace fpw::ui
