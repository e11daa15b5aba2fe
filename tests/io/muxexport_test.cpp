#include "io/muxexport.h"

#include <string>

#include <gtest/gtest.h>

#include "app/files.h"
#include "app/programcontext.h"
#include "catalog/locations.h"
#include "data/datafiles.h"
#include "io/designfile.h"
#include "io/designkit.h"
#include "model/mech.h"
#include "support/contextfixture.h"
#include "support/golden.h"

namespace fpw::io {
namespace {

using model::Mech;

// The shipped small laser, its MUX name given three blanks: such a weapon gets no line.
constexpr std::int16_t kThreeBlanks = 0;

// One design per kind of line the export writes, built once through the model with the
// shipped weapon database and kept as design files in golden/mux/.
// - griffin: every kind of slot line: an arm without its hand, a three-slot weapon, two lasers
//   of one type side by side, a rear laser, ammunition with one, two and three blanks in its
//   MUX name (the last is the renamed small laser and gets no line), neighbouring heat sinks
//   and armour slots that merge, jump jets, CASE, and the fixed head and engine entries;
// - double-heat-sinks: ten double heat sinks count twenty; running 8 without jump jets;
// - specials: every special in its order, each weapon's own once per weapon;
// - the three component designs, and large-xxl with no specials line at all;
// - arm-slots-after-the-actuators: a left arm without lower arm and hand has its weapon lines
//   right after the upper actuator; a right hand without a lower arm is exported under its
//   actuator name; flip-arms and armless: arms without lower arm actuators and hands;
// - groups: items of one code with different texts are separate groups; a gap splits a group;
// - quad, lam, omnimech: the body types.
const char* const kDesigns[] = {"griffin",
                                "double-heat-sinks",
                                "specials",
                                "endo-steel-xl-compact-heat-sinks",
                                "reinforced-compact-engine-laser-heat-sinks",
                                "large-xxl",
                                "ferro-fibrous-artemis-srm",
                                "arm-slots-after-the-actuators",
                                "flip-arms",
                                "armless",
                                "groups",
                                "quad",
                                "lam",
                                "omnimech"};

class Mux : public ::testing::Test, protected testing::ContextFixture {
protected:
    Mux() {
        ctx.weapons = testing::builtWeapons();
        ctx.weapons[kThreeBlanks].muxName = "A B C D";
    }

    // A design of golden/mux/.
    Mech design(const std::string& name) {
        const std::string path = FPW_TESTS_SOURCE_DIR "/io/golden/mux/" + name + ".fpm";
        DesignFileResult result = parseDesignFile(app::readWholeFile(path).value_or(""), ctx);
        EXPECT_TRUE(result.ok()) << name;
        return result.ok() ? std::move(*result.mech) : Mech(ctx);
    }
};

std::string exportText(const Mech& m) {
    std::string text;
    for (const std::string& line : muxExportLines(m))
        text += line + "\r\n";
    return text;
}

TEST(MuxFormat, StatementsAndSpeeds) {
    // A key that fills the width still gets a blank before the brace.
    EXPECT_EQ(muxStatement("ABCDEFGHIJKLMNOPQ", "x"), "ABCDEFGHIJKLMNOPQ { x }");
    const std::pair<int, const char*> speeds[] = {
        {1, "10.75"}, {3, "32.25"}, {12, "129.00"}, {0, ".00"}};
    for (const auto& [mp, text] : speeds)
        EXPECT_EQ(muxSpeed(mp), text) << mp;
}

// The exports of every design of kDesigns, compared whole (the designs as built, before they
// were kept as files, gave the same text). Checked by hand line by line: the
// Griffin against its design (the listing this test held before), and in each other block the
// lines its comment names (heat sinks, speeds, the specials and their order, the arm and group
// lines, the quad's location names and its 6-point legs), the rest equal to the plain default.
// Since the designs use the shipped database, the weapon lines carry its MUX names (each
// compared with data/weapons.tsv).
TEST_F(Mux, ExportsOfEveryKindOfDesign) {
    std::string all;
    for (const char* name : kDesigns) {
        all += std::string("=== ") + name + "\n";
        for (const std::string& line : muxExportLines(design(name)))
            all += line + "\n";
    }
    EXPECT_TRUE(user.messages.empty());
    testing::expectMatchesGolden(all, FPW_TESTS_SOURCE_DIR "/io/golden/mux_exports.txt");

    // The file holds the same lines, each ended by CR LF.
    const Mech m = design("griffin");
    ASSERT_TRUE(SaveMUXFile(m, dir.file("griffin.mux")));
    EXPECT_EQ(dir.read("griffin.mux"), exportText(m));
}

TEST_F(Mux, UnknownSlotTextIsReportedAndGetsNoLine) {
    Mech m(ctx);
    const std::string plain = exportText(m);
    testing::designkit::placeItem(m, "cXX", "Mystery Box", catalog::kLeftTorso, 0);
    EXPECT_EQ(exportText(m), plain);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "gGetMUXItemName could not find item: Mystery Box");
}

TEST_F(Mux, NamesAreWrittenAsAnsiText) {
    Mech m(ctx);
    m.setMechName("Kr\xC3\xA4he"); // "Krähe" in UTF-8
    const std::string path = dir.file("k.mux");
    ASSERT_TRUE(SaveMUXFile(m, path));
    EXPECT_EQ(dir.read("k.mux").substr(0, 28), "Name             { Kr\xE4he }\r\n");
}

} // namespace
} // namespace fpw::io
