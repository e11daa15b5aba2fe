// The basic choices of a design: chassis, engine and movement, the internal components and
// the construction options.
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {

class ActionRunner;

class ComponentPanel : public QWidget {
    Q_OBJECT
public:
    ComponentPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent = nullptr);

    // Every control from the design and the editor's lists.
    void showDesign();

private:
    editor::Editor& editor_;
    QSpinBox* tonnage_;
    QComboBox* techBase_;
    QComboBox* techLevel_;
    QComboBox* mechType_;
    QComboBox* engine_;
    QLabel* engineRating_;
    QSpinBox* walking_;
    QLabel* running_;
    QLabel* sprinting_;
    QSpinBox* jumping_;
    QCheckBox* improvedJumpJets_;
    QComboBox* gyro_;
    QComboBox* cockpit_;
    QComboBox* structure_;
    QComboBox* armor_;
    QComboBox* heatSinkType_;
    QSpinBox* heatSinks_;
    QCheckBox* limitCrits_;
    QCheckBox* fractional_;
};

} // namespace fpw::ui
