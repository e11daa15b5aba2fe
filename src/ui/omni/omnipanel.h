// The omni controls: locking an Omni-Mech's base chassis, then the list of its variants with
// adding and deleting them; choosing one in the list shows that variant.
#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;
class QPushButton;

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {

class ActionRunner;

class OmniPanel : public QGroupBox {
    Q_OBJECT
public:
    OmniPanel(editor::Editor& editor, ActionRunner& runner, QWidget* parent = nullptr);

    // The lock button before the chassis is locked, the variant list and its buttons after.
    void showDesign();

private:
    editor::Editor& editor_;
    QLabel* hint_;
    QPushButton* lock_;
    QComboBox* variants_;
    QPushButton* add_;
    QPushButton* delete_;
};

} // namespace fpw::ui
