// The whole recording of two sheets of the canonical design, compared with
// tests/recordsheet/golden/hunchback_recording.txt: every text with its place and font, every
// shape. Page 1 is the standard sheet with the extended heat scale and the location rolls;
// page 2 the text diagram with a command console and damaged head armour. The file was checked
// by hand line by line against the sheet's blocks and the reference image of the window tests;
// FPW_UPDATE_GOLDEN=1 rewrites it after a deliberate change.
#include <cstdio>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "recordsheet/diagramoutline.h"
#include "recordsheet/printmech.h"
#include "recordsheet/recordingsurface.h"
#include "recordsheet/sheetdesigns.h"
#include "support/golden.h"

namespace fpw::recordsheet {
namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string dump(const RecordingSurface& s) {
    std::string out;
    for (const RecordedText& t : s.texts())
        out += "T " + std::to_string(t.page) + " " + number(t.x) + " " + number(t.y) + " " +
               number(t.font.size) + (t.font.bold ? "B " : " ") + t.text + "\n";
    static const char* kinds = "LBCP";
    for (const RecordedShape& shape : s.shapes()) {
        out +=
            std::string(1, kinds[static_cast<int>(shape.kind)]) + " " + std::to_string(shape.page);
        if (shape.kind == RecordedShape::Kind::Path) {
            double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
            for (const PathPoint& p : shape.path.points) {
                left = std::min(left, p.x);
                top = std::min(top, p.y);
                right = std::max(right, p.x);
                bottom = std::max(bottom, p.y);
            }
            out += " " + std::to_string(shape.path.points.size()) + " " + number(left) + " " +
                   number(top) + " " + number(right) + " " + number(bottom) + "\n";
            continue;
        }
        for (const double v : {shape.x1, shape.y1, shape.x2, shape.y2})
            out += " " + number(v);
        out += " " + std::to_string(static_cast<int>(shape.fill)) + "\n";
    }
    return out;
}

TEST(SheetRecording, TwoSheetsOfTheCanonicalDesignMatchTheGoldenFile) {
    testing::SheetKit kit;
    kit.ctx.settings.heatScale = 0;
    kit.ctx.settings.printLocRolls = true;
    model::Mech mech = kit.hunchback();
    RecordingSurface surface;
    ASSERT_TRUE(PrintMech(mech, "Aiko Tanner", "4", "5", "", "", "", true, true, surface));
    surface.newPage();
    mech.setCockpitType(catalog::cockpit::kCommandConsole);
    mech.SetArmorDamage(catalog::kHead, 2);
    ASSERT_TRUE(
        PrintMech(mech, "Aiko Tanner", "4", "5", "Ren Okafor", "3", "4", true, false, surface));
    testing::expectMatchesGolden(dump(surface), FPW_SHEET_GOLDEN_DIR "/hunchback_recording.txt");
}

// The canonical design changed to reach the other blocks, compared with
// tests/recordsheet/golden/variant_recording.txt. Page 1: a model that repeats the name, level
// 3 with hardened armour, jumping, a rear medium laser, an LRM-5 with Artemis IV, the short
// heat scale of the third preference, an ammunition template, a destroyed left torso and
// skills that are no numbers; page 2: the text diagram of the armless design with lost,
// permanently lost and over-damaged head points; page 3: the locked omni in its first
// configuration. Checked by hand against the blocks' rules: the title "Hunchback" alone, the
// weapon list and range chart rows (extreme range twice the medium), "Sprinting: 10",
// "Piloting: 5 (+1)", "2. Ammo (AC/20) 5", the heat scale ending at "_ [30]  Shutdown", 8
// points of dissipation without the torso's heat sinks, no adjusted BV; "Head (9)" over
// "xxxoooooo" and "Head (3)" over "xxx", no arm blocks and no circles, "Structure - 67"; the
// omni's bold title "Prime - Vantor Prime", its tech base and type.
TEST(SheetRecording, AVariantAndAnOmniMatchTheirGoldenFile) {
    testing::SheetKit kit;
    kit.ctx.settings.heatScale = 2;
    kit.ctx.settings.ammoStandardHeader = "Ammo (%0) %2";
    model::Mech mech = kit.hunchback();
    mech.setMechModel("HUNCHBACK");
    testing::placeWeapon(mech, "Medium Laser", catalog::kCenterTorso, 10, true);
    testing::placeWeapon(mech, "LRM-5", catalog::kRightTorso, 10);
    mech.setArtemisLRM(catalog::kArtemisIV);
    mech.setTechLevel(3);
    mech.setArmorType(catalog::armor::kHardened);
    mech.setWalking(5);
    mech.setJumping(3);
    mech.SetDestroyLocStatus(catalog::kLeftTorso, true);
    RecordingSurface surface;
    ASSERT_TRUE(PrintMech(mech, "Aiko", "good", "", "", "", "", true, true, surface));
    surface.newPage();
    mech.SetArmorDamage(catalog::kHead, 2);
    mech.SetPermArmorDamage(catalog::kHead, 1);
    mech.SetInternalDamage(catalog::kHead, 5); // more than the location has
    mech.setArmless(true);
    ASSERT_TRUE(PrintMech(mech, "Aiko", "4", "5", "", "", "", true, false, surface));
    surface.newPage();
    model::Mech omni = kit.omni();
    ASSERT_TRUE(PrintMech(omni, "Aiko", "4", "5", "", "", "", true, true, surface));
    testing::expectMatchesGolden(dump(surface), FPW_SHEET_GOLDEN_DIR "/variant_recording.txt");
}

TEST(SheetRecording, OutlineReadsOnlyWholeRectangles) {
    const std::vector<OutlineArea> areas = parseDiagramOutline(
        "# comment\n"
        "Diagram\tLocation\tName\tLeft\tTop\tRight\tBottom\tSpacing\tPointSize\tPoints\n"
        "Armor\t7\tHead\t81\t0\t99\t18\t6\t2\t9\r\n"
        "Internal\t0\tLeft Arm\t31\t200\t46\t235\n"
        "Armor\t1\tLeft Torso\t27\tx\t63\t63\n"
        "Armor\t2\tLeft Leg\t54\t72\t\t126\n"
        "Armor\t3\tRight Leg\t96\t72\t96\t126\n"
        "Armor\t4\tRight Torso\t117\t21\t153\n"
        "Elsewhere\t5\tRight Arm\t156\t21\t180\t87\n");
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_TRUE(areas[0].armor);
    EXPECT_EQ(areas[0].location, 7);
    EXPECT_EQ(areas[0].right, 99);
    EXPECT_EQ(areas[0].bottom, 18);
    EXPECT_FALSE(areas[1].armor);
    EXPECT_EQ(areas[1].top, 200);
}

} // namespace
} // namespace fpw::recordsheet
