// The design editor's main window: the design's name, the component and system panels, the
// places of the slot board and the equipment, armour and omni panels, the menus and the
// status bar. It owns the one editor, forwards every control to its handler and shows the
// design again after every action.
#pragma once

#include <array>
#include <memory>

#include <QMainWindow>

#include "editor/editor.h"
#include "ui/editor/actionrunner.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace fpw::app {
struct ProgramContext;
class SettingsStore;
} // namespace fpw::app

namespace fpw::ui {

class ArmorPanel;
class ComponentPanel;
class EquipmentPanel;
class OmniPanel;
class SlotBoard;
class SystemsPanel;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens with a new design at the position of ctx.settings; on closing stores its position
    // and the last folder in `store` and writes the log's closing line. Both must outlive the
    // window.
    EditorWindow(app::ProgramContext& ctx, app::SettingsStore& store, QWidget* parent = nullptr);
    ~EditorWindow() override;

    editor::Editor& editor() { return editor_; }

    // Every control, label, menu state and the title from the editor.
    void showDesign();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildDesignHeader();
    QWidget* buildCentralArea();
    void buildMenus();
    void buildStatusBar();
    void placeOnScreen();
    // Once an omni design's base chassis is locked, the controls that would change it stay
    // disabled whatever their panels offer.
    void showBaseChassisLock();
    // Hands the name and model boxes' text to the editor when the player has not left them.
    void commitTypedText();
    // A document command (New, Open, Save ...); a file opened or saved joins the recent files.
    void runDocumentCommand(bool (*command)(editor::Editor&));
    void rememberFile();
    void showRecentFiles();
    void writeBattleValues();
    void openPreferences();
    void openPriceEditor();
    void openCredits();
    void openAbout();

    app::ProgramContext& ctx_;
    app::SettingsStore& store_;
    editor::Editor editor_;
    ActionRunner runner_;
    int observer_ = 0;
    bool closed_ = false;

    QLineEdit* name_ = nullptr;
    QLineEdit* model_ = nullptr;
    QLabel* weightClass_ = nullptr;
    QLabel* saved_ = nullptr;
    QLabel* overweight_ = nullptr;
    ComponentPanel* components_ = nullptr;
    SystemsPanel* systems_ = nullptr;
    SlotBoard* board_ = nullptr;
    ArmorPanel* armor_ = nullptr;
    OmniPanel* omni_ = nullptr;
    EquipmentPanel* equipment_ = nullptr;
    std::array<QLabel*, 7> statusPanels_{};
    QMenu* recent_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace fpw::ui
