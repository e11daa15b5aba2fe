#include <sstream>

#include <gtest/gtest.h>

#include "app/errorreporter.h"
#include "catalog/generalitems.h"
#include "model/criticallocation.h"
#include "model/mech.h"
#include "model/modeltestkit.h"

namespace fpw::model {
namespace {

using namespace testkit;

class MechState : public ::testing::Test {
protected:
    // The report the error reporter shows for an index outside its range.
    std::string outOfRange(const char* procedure) {
        return app::errorReportText(procedure, app::Failure{9, "Subscript out of range"});
    }

    Kit kit;
    Mech mech{kit.ctx};
};

// Every per-location accessor: its range, the value written and read back, and the report
// for an index outside the range with nothing changed.
TEST_F(MechState, PerLocationValuesAndTheirRanges) {
    struct Accessor {
        const char* getName;
        const char* setName;
        int count;
        std::function<int(int)> get;
        std::function<void(int, int)> set;
        int written;
    };
    // clang-format off
    // The written value differs from the new design's.
#define FPW_ACCESSOR(get, set, count, written)                                                   \
    Accessor{"Mech." #get, "Mech." #set, count, [&](int i) { return int(mech.get(i)); },        \
             [&](int i, int v) { mech.set(i, static_cast<std::int16_t>(v)); }, written}
    const Accessor accessors[] = {
        FPW_ACCESSOR(GetArmor, SetArmor, 11, 1),
        FPW_ACCESSOR(GetCASE, SetCase, 7, 1),
        FPW_ACCESSOR(GetArmorDamage, SetArmorDamage, 11, 1),
        FPW_ACCESSOR(GetPermArmorDamage, SetPermArmorDamage, 11, 1),
        FPW_ACCESSOR(GetIntDamage, SetInternalDamage, 8, 1),
        FPW_ACCESSOR(GetPermIntDamage, SetPermInternalDamage, 8, 1),
        FPW_ACCESSOR(IsLocDestroyed, SetDestroyLocStatus, 8, 1),
        FPW_ACCESSOR(GetLAActuator, SetLAActuator, 4, 0),
        FPW_ACCESSOR(GetRAActuator, SetRAActuator, 4, 0)};
#undef FPW_ACCESSOR
    // clang-format on
    for (const Accessor& a : accessors) {
        for (int i = 0; i < a.count; ++i) {
            a.set(i, a.written);
            EXPECT_EQ(a.get(i), a.written) << a.setName << " " << i;
        }
        kit.user.messages.clear();
        const MechFields before = mech.fields();
        for (int bad : {-1, a.count}) {
            a.set(bad, 1 - a.written);
            EXPECT_EQ(a.get(bad), 0) << a.getName << " " << bad;
        }
        EXPECT_EQ(mech.fields(), before) << a.setName;
        ASSERT_EQ(kit.user.messages.size(), 4u) << a.setName;
        EXPECT_EQ(kit.user.messages[0].text, outOfRange(a.setName));
        EXPECT_EQ(kit.user.messages[0].title, "Error");
        EXPECT_EQ(kit.user.messages[1].text, outOfRange(a.getName));
    }
}

TEST_F(MechState, SlotListOutsideTheLocationsWritesNowhere) {
    CritLocation& bad = mech.critLocation(8);
    ASSERT_EQ(kit.user.messages.size(), 1u);
    EXPECT_EQ(kit.user.messages[0].text, outOfRange("Mech.CritLocation"));
    const auto before = mech.critLocations();
    bad.AddSlot();
    EXPECT_FALSE(bad.PlaceItem("PPC", 0, true, "0"));
    EXPECT_EQ(bad.slotCount(), 0);
    EXPECT_EQ(mech.critLocations(), before);
    EXPECT_EQ(&mech.critLocation(3), &mech.critLocations()[3]);
}

TEST_F(MechState, FindTCGivesTheFirstLocationWithTheComputer) {
    EXPECT_EQ(mech.FindTC(), 0);
    mech.critLocation(6).PlaceItem("Targeting Computer", 11, false, "cTS1");
    EXPECT_EQ(mech.FindTC(), 6);
    mech.critLocation(4).PlaceItem("Targeting Computer", 5, false, "cTS1");
    EXPECT_EQ(mech.FindTC(), 4);
}

// Heat sinks count by item: a double heat sink takes three slots on an Inner Sphere design,
// and a compact item counts once, as `HSCount` counts it.
TEST_F(MechState, HeatSinksLostInDestroyedLocations) {
    const struct {
        std::int16_t type;
        const char* slots; // one identifier per slot from slot 4 of location 1
        int lost;
    } cases[] = {{0, "cHS1 cHS2 cJJ1", 2},
                 {1, "cHS1 cHS1 cHS1 cHS2 cHS2 cHS2", 2},
                 {2, "cHS1 cHS2", 2},
                 {0, "", 0}};
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setHSType(c.type);
        std::istringstream ids(c.slots);
        int slot = 4;
        for (std::string id; ids >> id;) {
            m.critLocation(1).PlaceItem("Heat Sink", slot++, false, id);
        }
        m.critLocation(4).PlaceItem("Heat Sink", 0, false, "cHS1");
        EXPECT_EQ(m.HSDestroyed(), 0);
        m.SetDestroyLocStatus(1, true);
        EXPECT_EQ(m.HSDestroyed(), c.lost) << c.slots;
        m.SetDestroyLocStatus(4, true);
        EXPECT_EQ(m.HSDestroyed(), c.lost + (c.type == 1 ? 0 : 1)) << c.slots;
    }
}

TEST_F(MechState, AReplacedDesignKeepsTheViewsOfItsSlotLists) {
    std::vector<SlotChange> heard;
    mech.critLocation(5).setListener([&](const SlotChange& c) { heard.push_back(c); });
    Mech loaded(kit.ctx);
    loaded.setTonnage(40);
    loaded.critLocation(5).PlaceItem("PPC", 6, true, "0");
    mech = loaded;
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().kind, SlotChange::Kind::Reset);
    EXPECT_EQ(heard.back().firstSlot, 0); // every slot of the list, none beyond it
    EXPECT_EQ(heard.back().lastSlot, 11);
    EXPECT_EQ(mech.tonnage(), 40);
    EXPECT_EQ(mech.critLocation(5).SlotText(6), "PPC");
    heard.clear();
    mech.critLocation(5).ClearSlot(6);
    EXPECT_EQ(heard.size(), 1u);
    // The loaded copy never reached the view.
    loaded.critLocation(5).ClearSlot(7);
    EXPECT_EQ(heard.size(), 1u);
    // A design moved in tells the view the same.
    mech = Mech(kit.ctx);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard.back().kind, SlotChange::Kind::Reset);
    EXPECT_EQ(heard.back().lastSlot, 11);
}

TEST(ModelValues, BaseCodesAndWeaponLocations) {
    const std::pair<const char*, const char*> codes[] = {
        {"cHS12", "cHS"}, {"7", ""}, {"cA-IVL3", "cA-IVL"}, {"c2X4", "c2X"}};
    for (const auto& [id, code] : codes) {
        EXPECT_EQ(catalog::genItemBaseCode(id), code) << id;
    }
    WeaponEntry w; // unplaced: the one location -1 counts as none
    EXPECT_EQ(w.LocCount(), 0);
    w.AddLoc(4);
    w.AddLoc(6);
    EXPECT_EQ(w.locations, (std::vector<std::int16_t>{4, 6}));
    EXPECT_EQ(w.LocCount(), 2);
    EXPECT_EQ(w.GetLoc(1), 6);
    EXPECT_EQ(w.GetLoc(2), -1);
    EXPECT_EQ(w.GetLoc(-1), -1);
    w.locations.clear();
    w.AddLoc(2);
    EXPECT_EQ(w.locations, std::vector<std::int16_t>{2});
}

TEST(ModelValues, CriticalLocationStoresSlotsByTheirOwnIndex) {
    CriticalLocation loc;
    EXPECT_EQ(loc.Slots(), -1);
    CriticalSlot slot;
    slot.text = "PPC";
    for (const int index : {3, -2, 0}) {
        slot.index = static_cast<std::int16_t>(index);
        EXPECT_EQ(loc.Add(slot), index >= 0);
    }
    EXPECT_EQ(loc.Slots(), 3);
    EXPECT_EQ(loc.GetSlot(3)->text, "PPC");
    EXPECT_EQ(loc.GetSlot(0)->text, "PPC");
    EXPECT_EQ(loc.GetSlot(1)->index, 1);
    EXPECT_EQ(loc.GetSlot(1)->text, "Roll Again");
    EXPECT_EQ(loc.GetSlot(4), nullptr);
    EXPECT_EQ(loc.GetSlot(-1), nullptr);
    loc.setSlots(5);
    EXPECT_EQ(loc.Slots(), 5);
    EXPECT_EQ(loc.GetSlot(3)->text, "Roll Again"); // contents discarded
    EXPECT_EQ(loc.GetSlot(5)->index, 5);
    loc.setSlots(-1);
    EXPECT_EQ(loc.Slots(), -1);
}

} // namespace
} // namespace fpw::model
