#include "windowtest.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include <QCoreApplication>
#include <QDragMoveEvent>
#include <QDropEvent>

#include "app/startup.h"
#include "editor/invariants.h"
#include "editor/script.h"
#include "ui/desktopstartup.h"

namespace fpw::testing {

ShippedProgram::ShippedProgram() {
    // The reference files lie beside the test executable; the executables stay behind.
    namespace fs = std::filesystem;
    const fs::path shipped = QCoreApplication::applicationDirPath().toStdString();
    for (const fs::directory_entry& entry : fs::directory_iterator(shipped)) {
        const fs::path name = entry.path().filename();
        const std::string extension = name.extension().string();
        if (entry.is_regular_file() && (extension == ".bin" || extension == ".Bin" ||
                                        extension == ".dat" || extension == ".txt")) {
            fs::copy_file(entry.path(), fs::path(dir.path()) / name);
        }
    }
}

std::unique_ptr<ui::EditorWindow> ShippedProgram::start() {
    app::StartupHooks hooks;
    std::unique_ptr<ui::EditorWindow> window = ui::startDesktop(ctx, store, hooks);
    if (window) {
        // Every step a test drives through the widgets ends with the editor's invariants.
        editor::Editor& editor = window->editor();
        editor.addObserver([&editor] {
            for (const std::string& problem : editor::checkInvariants(editor)) {
                ADD_FAILURE() << "after a step through the window: " << problem;
            }
        });
    }
    return window;
}

void WindowTest::SetUp() {
    window = program.start();
    ASSERT_NE(window, nullptr);
    window->show();
}

QString WindowTest::text(const char* label) {
    auto* found = child<QLabel>(label);
    return found ? found->text() : QString();
}

void WindowTest::choose(const char* list, const QString& entry) {
    auto* combo = child<QComboBox>(list);
    const int index = combo->findText(entry);
    ASSERT_GE(index, 0) << list << ": " << entry.toStdString();
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

void WindowTest::trigger(const char* action) {
    if (auto* found = child<QAction>(action))
        found->trigger();
}

void WindowTest::edit(std::string_view script) {
    std::ostringstream out;
    editor::script::ScriptUser nobody(out);
    editor::script::Session session{window->editor(), nobody, out};
    ASSERT_TRUE(editor::script::runScript(script, session, out)) << out.str();
}

std::string WindowTest::jumpJets() {
    edit("jumping 1\n");
    const auto& rows = editor().items().rows();
    const auto jets =
        std::ranges::find_if(rows, [](const auto& row) { return row.name.starts_with("Jump"); });
    EXPECT_NE(jets, rows.end());
    return jets == rows.end() ? "" : jets->code;
}

namespace {

// Makes the first row `text` matches the list's only selection and presses the button.
bool selectAndPress(QWidget& window, const char* listName, const char* buttonName,
                    const QString& text, Qt::MatchFlags match) {
    auto* list = window.findChild<QListWidget*>(listName);
    auto* button = window.findChild<QPushButton*>(buttonName);
    const QList<QListWidgetItem*> rows =
        list ? list->findItems(text, match) : QList<QListWidgetItem*>{};
    if (rows.isEmpty() || button == nullptr)
        return false;
    list->setCurrentItem(rows.front(), QItemSelectionModel::ClearAndSelect);
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

} // namespace

bool addWeaponThroughPanel(QWidget& window, const QString& text) {
    return selectAndPress(window, "availableWeaponsList", "addWeaponButton", text,
                          Qt::MatchExactly);
}

bool removeWeaponThroughPanel(QWidget& window, const QString& text) {
    return selectAndPress(window, "selectedEquipmentList", "removeWeaponButton", text,
                          Qt::MatchStartsWith);
}

QPoint slotPoint(ui::SlotListView* list, int slot) {
    return list->visualItemRect(list->item(slot)).center();
}

bool dragAndDrop(ui::SlotListView* list, int slot, QMimeData* data) {
    const QPoint point = slotPoint(list, slot);
    QDragEnterEvent enter(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QDragMoveEvent move(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &move);
    const bool accepted = move.isAccepted();
    QDropEvent drop(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    delete data;
    return accepted;
}

} // namespace fpw::testing
