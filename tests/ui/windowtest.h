// The desktop tests' program: its own folder with the shipped reference files, a scripted
// person and settings in memory; WindowTest shows its editor window offscreen.
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
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "app/settings.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"
#include "ui/editor/editorwindow.h"
#include "ui/slotboard/slotlistview.h"

namespace fpw::testing {

// A program folder holding a copy of the shipped reference files.
struct ShippedProgram {
    ShippedProgram();

    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
    app::MemorySettingsStore store;

    // The editor (not shown), whose invariants are checked after every step; none when
    // start-up ended.
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

// Selects the available row showing exactly `text` and presses Add; false when none does.
bool addWeaponThroughPanel(QWidget& window, const QString& text);
// Selects the design's first entry starting with `text` and presses Remove; false if none.
bool removeWeaponThroughPanel(QWidget& window, const QString& text);

// The viewport point of a slot's row.
QPoint slotPoint(ui::SlotListView* list, int slot);
// Drags the data (taken) over the slot and drops it; whether the list accepted the drag.
bool dragAndDrop(ui::SlotListView* list, int slot, QMimeData* data);

} // namespace fpw::testing
