// The canonical assault design built twice in one test: by its editor script alone, and by a
// player at the window who turns every line of the same script into what the widgets offer
// (the boxes and lists of the panels, a drop on a slot, the item row's menu, the armour
// panel's input box, File > Save As). The two saved files must be equal byte for byte.
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/script.h"
#include "equipmentdriver.h"
#include "shippedprogram.h"
#include "slotdrop.h"
#include "support/canonicaldesign.h"
#include "support/shippedcontext.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/slotboard/slotboard.h"
#include "ui/slotboard/unallocatedlists.h"

namespace fpw::ui {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The script's design built and saved without a window.
std::string savedByScript(const std::string& path) {
    std::ostringstream out;
    editor::script::ScriptUser user(out);
    app::ProgramContext ctx(testing::builtProgramDirectory(), user);
    testing::loadShippedData(ctx);
    editor::Editor built(ctx);
    editor::script::Session session{built, user, out};
    EXPECT_TRUE(editor::script::runScript(testing::canonicalDesignScript(), session, out))
        << out.str();
    EXPECT_TRUE(editor::SaveMechTo(built, path)) << out.str();
    return fileBytes(path);
}

// Plays script lines with the window's widgets, as a player would.
class WindowPlayer {
public:
    WindowPlayer(EditorWindow& window, testing::ScriptedUser& user)
        : window_(window), user_(user), board_(*window.findChild<SlotBoard*>("slotBoard")) {}

    void play(const std::vector<std::string>& words) {
        const std::string& verb = words[0];
        if (verb == "new") {
            action("newAction")->trigger();
        } else if (verb == "name" || verb == "model") {
            type(verb == "name" ? "mechName" : "mechModel", words[1]);
        } else if (verb == "tonnage" || verb == "walking") {
            child<QSpinBox>(verb.c_str())->setValue(std::stoi(words[1]));
        } else if (verb == "heatsinks") {
            choose("heatSinkType", words[1]);
            child<QSpinBox>("heatSinks")->setValue(std::stoi(words[2]));
        } else if (verb == "add") {
            for (int i = words.size() > 2 ? std::stoi(words[2]) : 1; i > 0; --i) {
                EXPECT_TRUE(testing::addWeaponThroughPanel(window_, toQString(words[1])));
            }
        } else if (verb == "drop") {
            drop(words[1], editor::script::parseLocation(words[2]),
                 editor::script::parseSlot(words[3]));
        } else if (verb == "autoallocate") {
            autoAllocate(words[1]);
        } else if (verb == "armor-tons") {
            user_.inputAnswers.push_back(words[1]);
            if (auto* button = child<QPushButton>("addArmorTonnage")) {
                button->click();
            }
        } else {
            ADD_FAILURE() << "no widget offers \"" << verb << "\"";
        }
    }

private:
    template <typename T> T* child(const char* name) {
        T* found = window_.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) { return child<QAction>(name); }

    void type(const char* box, const std::string& text) {
        auto* edit = child<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromStdString(text));
        QTest::keyClick(edit, Qt::Key_Return);
    }

    void choose(const char* list, const std::string& entry) {
        auto* combo = child<QComboBox>(list);
        const int index = combo->findText(QString::fromStdString(entry));
        ASSERT_GE(index, 0) << list << ": " << entry;
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }

    // Drags the first unallocated row of the weapon onto the slot.
    void drop(const std::string& name, int location, int slot) {
        UnallocatedWeaponList* weapons = board_.unallocatedWeapons();
        const QList<QListWidgetItem*> rows =
            weapons->findItems(QString::fromStdString(name + " ["), Qt::MatchStartsWith);
        ASSERT_FALSE(rows.isEmpty()) << name;
        EXPECT_TRUE(dragAndDrop(board_.list(location), slot, weapons->mimeData({rows.front()})))
            << name;
    }

    // The item row's pop-up menu: "Auto-Allocate NAME (COUNT)".
    void autoAllocate(const std::string& name) {
        UnallocatedItemList* items = board_.unallocatedItems();
        for (int row = 0; row < items->count(); ++row) {
            const std::unique_ptr<QMenu> menu = items->rowMenu(row);
            for (QAction* entry : menu->actions()) {
                if (entry->text().startsWith(QString::fromStdString("Auto-Allocate " + name))) {
                    entry->trigger();
                    return;
                }
            }
        }
        ADD_FAILURE() << "no unallocated " << name;
    }

    EditorWindow& window_;
    testing::ScriptedUser& user_;
    SlotBoard& board_;
};

// The golden file here is the script's own saved design, built in the same test; the headless
// end-to-end test checks that design field by field.
TEST(WholeDesign, TheCanonicalDesignBuiltThroughTheWidgetsSavesAsTheScriptSavesIt) {
    testing::ShippedProgram program;
    std::unique_ptr<EditorWindow> window = program.start();
    ASSERT_NE(window, nullptr);
    window->show();
    const std::string expected = savedByScript(program.dir.file("script.fpm"));
    ASSERT_FALSE(expected.empty());

    WindowPlayer player(*window, program.user);
    std::istringstream script(testing::canonicalDesignScript());
    for (std::string line; std::getline(script, line);) {
        const std::vector<std::string> words = editor::script::splitWords(line);
        if (!words.empty()) {
            SCOPED_TRACE(line);
            player.play(words);
        }
    }
    EXPECT_TRUE(program.user.messages.empty()) << program.user.messages.front().text;

    const std::string path = program.dir.file("window.fpm");
    program.user.fileAnswers.push_back(path);
    window->findChild<QAction*>("saveAsAction")->trigger();
    EXPECT_EQ(window->editor().display().savedText, "Saved");
    EXPECT_TRUE(fileBytes(path) == expected) << "the window's design differs from the script's";
}

} // namespace
} // namespace fpw::ui
