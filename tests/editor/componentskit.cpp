#include "componentskit.h"

#include <algorithm>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "editor/components.h"
#include "editor/slotops.h"
#include "editor/unallocateditems.h"
#include "support/editorstate.h"

namespace fpw::editor::testkit {

void RulesFixture::build(int tonnage, int walking, int techBase, int techLevel) {
    ASSERT_TRUE(ChangeTechBase(editor, techBase));
    ASSERT_TRUE(ChangeTechLevel(editor, techLevel));
    ASSERT_TRUE(ChangeTonnage(editor, tonnage));
    ASSERT_TRUE(ChangeWalking(editor, walking));
    shipped.user.messages.clear();
}

std::int16_t placeWeapon(Editor& editor, const std::string& name, int loc, int slot,
                         std::int16_t techBase) {
    const catalog::WeaponTable& table = editor.context().weapons;
    const int refID = catalog::findWeapon(table, name, techBase);
    EXPECT_GE(refID, 0) << name;
    model::Mech& mech = editor.mech();
    const std::int16_t index = mech.AddWeapon(static_cast<std::int16_t>(refID));
    model::WeaponEntry entry;
    entry.refID = static_cast<std::int16_t>(refID);
    const int slots = std::max<int>(1, table[static_cast<std::size_t>(refID)].critSlots);
    for (int s = slot; s < slot + slots; ++s) {
        mech.critLocation(loc).PlaceItem(weaponSlotText(editor, entry), s, true,
                                         std::to_string(index));
    }
    mech.AlterWeapon(index, static_cast<std::int16_t>(loc), static_cast<std::int16_t>(slot), true);
    return index;
}

void RulesFixture::expectRefusal(const std::function<bool()>& change, const std::string& title,
                                 const std::string& text) {
    const testing::EditorState before = testing::captureEditorState(editor);
    shipped.user.messages.clear();
    EXPECT_FALSE(change());
    EXPECT_TRUE(testing::sameEditorState(before, testing::captureEditorState(editor)));
    ASSERT_EQ(shipped.user.messages.size(), 1u);
    EXPECT_EQ(shipped.user.messages[0].title, title);
    EXPECT_EQ(shipped.user.messages[0].text, text);
    EXPECT_EQ(shipped.user.messages[0].icon, app::MessageIcon::Critical);
}

std::vector<std::string> RulesFixture::texts(int loc) const {
    std::vector<std::string> out;
    for (const model::CriticalSlot& slot : editor.mech().critLocation(loc).slots()) {
        out.push_back(slot.text);
    }
    return out;
}

using namespace catalog;

bool placeItem(Editor& editor, std::string_view code, int loc) {
    const UnallocatedItem* row = editor.items().find(code);
    const model::CritLocation& list = editor.mech().critLocation(loc);
    const bool limb = loc == kLeftArm || loc == kRightArm || loc == kHead;
    if (row == nullptr || (code == cJJ && limb && editor.mech().mechType() != kQuad)) {
        return false;
    }
    const UnallocatedItem item = *row;
    for (int slot = 0; slot + item.slotsPerItem <= list.slotCount(); ++slot) {
        int free = 0;
        while (free < item.slotsPerItem && !list.IsOccupied(slot + free)) {
            ++free;
        }
        if (free == item.slotsPerItem) {
            placeGeneralItem(editor, loc, slot, item.slotsPerItem, item.code, item.name);
            editor.items().take(item.code);
            return true;
        }
    }
    return false;
}

void placeAllItems(Editor& editor) {
    while (!editor.items().empty()) {
        const std::string code = editor.items().rows().front().code;
        bool placed = false;
        for (int loc = 0; loc < model::kSlotLocations && !placed; ++loc) {
            placed = placeItem(editor, code, loc);
        }
        ASSERT_TRUE(placed) << "no room for " << code;
    }
}

} // namespace fpw::editor::testkit
