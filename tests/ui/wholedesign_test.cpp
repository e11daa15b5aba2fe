// The canonical assault design built by its editor script alone, and by a player who turns
// every line of it into what the widgets offer: the two saved files must be equal.
#include <sstream>
#include <string>
#include <vector>

#include "editor/documentcommands.h"
#include "editor/script.h"
#include "support/canonicaldesign.h"
#include "support/shippedcontext.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/slotboard/slotboard.h"
#include "ui/slotboard/unallocatedlists.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

// The script's design built and saved without a window.
std::string savedByScript(const testing::TempDir& dir) {
    std::ostringstream out;
    editor::script::ScriptUser user(out); // also the program's person: it answers the boxes
    app::ProgramContext ctx(testing::builtProgramDirectory(), user);
    testing::loadShippedData(ctx);
    editor::Editor built(ctx);
    editor::script::Session session{built, user, out};
    EXPECT_TRUE(editor::script::runScript(testing::canonicalDesignScript(), session, out))
        << out.str();
    EXPECT_TRUE(editor::SaveMechTo(built, dir.file("script.fpm"))) << out.str();
    return dir.read("script.fpm");
}

// Plays script lines with the window's widgets, as a player would.
class WholeDesign : public testing::WindowTest {
protected:
    void play(const std::vector<std::string>& words) {
        const std::string& verb = words[0];
        if (verb == "new") {
            trigger("newAction");
        } else if (verb == "name" || verb == "model") {
            auto* box = child<QLineEdit>(verb == "name" ? "mechName" : "mechModel");
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, toQString(words[1]));
            QTest::keyClick(box, Qt::Key_Return);
        } else if (verb == "tonnage" || verb == "walking") {
            child<QSpinBox>(verb.c_str())->setValue(std::stoi(words[1]));
        } else if (verb == "heatsinks") {
            choose("heatSinkType", toQString(words[1]));
            child<QSpinBox>("heatSinks")->setValue(std::stoi(words[2]));
        } else if (verb == "add") {
            for (int i = words.size() > 2 ? std::stoi(words[2]) : 1; i > 0; --i) {
                EXPECT_TRUE(testing::addWeaponThroughPanel(*window, toQString(words[1])));
            }
        } else if (verb == "drop") { // the first unallocated row of the weapon onto the slot
            UnallocatedWeaponList* weapons = board().unallocatedWeapons();
            const auto rows = weapons->findItems(toQString(words[1] + " ["), Qt::MatchStartsWith);
            ASSERT_FALSE(rows.isEmpty()) << words[1];
            EXPECT_TRUE(testing::dragAndDrop(board().list(editor::script::parseLocation(words[2])),
                                             editor::script::parseSlot(words[3]),
                                             weapons->mimeData({rows.front()})));
        } else if (verb == "autoallocate") {
            autoAllocate(words[1]);
        } else if (verb == "armor-tons") {
            program.user.inputAnswers.push_back(words[1]);
            child<QPushButton>("addArmorTonnage")->click();
        } else {
            ADD_FAILURE() << "no widget offers \"" << verb << "\"";
        }
    }

private:
    SlotBoard& board() { return *child<SlotBoard>("slotBoard"); }

    // The item row's pop-up menu: "Auto-Allocate NAME (COUNT)".
    void autoAllocate(const std::string& name) {
        UnallocatedItemList* items = board().unallocatedItems();
        const QString caption = toQString("Auto-Allocate " + name);
        for (int row = 0; row < items->count(); ++row) {
            const std::unique_ptr<QMenu> menu = items->rowMenu(row);
            if (menu->actions().at(0)->text().startsWith(caption))
                return menu->actions().at(0)->trigger();
        }
        ADD_FAILURE() << "no unallocated " << name;
    }
};

// The golden file here is the script's own saved design, built in the same test; the headless
// end-to-end test checks that design field by field.
TEST_F(WholeDesign, TheCanonicalDesignBuiltThroughTheWidgetsSavesAsTheScriptSavesIt) {
    const std::string expected = savedByScript(program.dir);

    std::istringstream script(testing::canonicalDesignScript());
    for (std::string line; std::getline(script, line);) {
        const std::vector<std::string> words = editor::script::splitWords(line);
        if (!words.empty()) {
            SCOPED_TRACE(line);
            play(words);
        }
    }
    EXPECT_TRUE(program.user.messages.empty()) << program.user.messages.front().text;

    const std::string path = program.dir.file("window.fpm");
    program.user.fileAnswers.push_back(path);
    trigger("saveAsAction");
    EXPECT_EQ(window->editor().display().savedText, "Saved");
    EXPECT_TRUE(program.dir.read("window.fpm") == expected)
        << "the window's design differs from the script's";
}

} // namespace
} // namespace fpw::ui
