// The desktop layer's tests start the program over a program folder of their own (a copy of
// the shipped reference files, a scripted person, settings in memory). WindowTest is the editor
// window of such a start, shown offscreen, with the ways a player reaches its controls; the
// widgets the tests drive come with it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "app/settings.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"
#include "ui/editor/editorwindow.h"

class QMimeData;

namespace fpw::ui {
class SlotListView;
}

namespace fpw::testing {

// A program folder holding a copy of the shipped reference files.
struct ShippedProgram {
    ShippedProgram();

    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
    app::MemorySettingsStore store;

    // Runs start-up and opens the editor (not shown); nothing when start-up ended. The
    // editor's invariants are checked after every action, undo and redo from then on.
    std::unique_ptr<ui::EditorWindow> start();
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    template <typename T = QWidget> T* child(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    editor::Editor& editor() { return window->editor(); }
    QString text(const char* label);
    // Picks an entry of a list box as the player does.
    void choose(const char* list, const QString& entry);
    void trigger(const char* action);
    void undo() { trigger("undoAction"); }
    // Runs editor script lines on the window's editor: set-up that is not under test.
    void edit(std::string_view script);
    // Gives the design one jump jet and returns the code of its unallocated row.
    std::string jumpJets();

    ShippedProgram program;
    std::unique_ptr<ui::EditorWindow> window;
};

// Selects the row of the available list whose text is exactly `text` (with its "(C) " or
// "(IS) " on a mixed design) and presses Add. False when no row shows that text.
bool addWeaponThroughPanel(QWidget& window, const QString& text);
// Selects the design's first entry whose text starts with `text` and presses Remove. False
// when no entry starts so.
bool removeWeaponThroughPanel(QWidget& window, const QString& text);

// The viewport point of a slot's row.
QPoint slotPoint(ui::SlotListView* list, int slot);
// Drags the data over the slot and drops it there as the window system delivers it; returns
// whether the list accepted the drag over that slot. Takes the data.
bool dragAndDrop(ui::SlotListView* list, int slot, QMimeData* data);

} // namespace fpw::testing
