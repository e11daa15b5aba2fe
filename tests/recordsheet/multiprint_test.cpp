// Printing a list of designs onto one recording, as the multi-print window does.
#include "recordsheet/multiprint.h"

#include <gtest/gtest.h>

#include "io/designfile.h"
#include "recordsheet/recordingsurface.h"
#include "recordsheet/sheetdesigns.h"

namespace fpw::recordsheet {
namespace {

// Every design on a page of its own in one recording.
struct OneRecording : MultiPrintTarget {
    RecordingSurface surface;
    int designs = 0;
    DrawingSurface& beginDesign(const MultiPrintEntry&) override {
        if (designs++ > 0)
            surface.newPage();
        return surface;
    }
    bool endDesign(const MultiPrintEntry&) override { return true; }
};

struct MultiPrintList : ::testing::Test {
    testing::SheetKit kit;
    std::string hunchback = kit.dir.file("hunchback.FPM");
    std::string omni = kit.dir.file("vantor.FPM");
    std::vector<std::string> status;

    MultiPrintList() {
        model::Mech h = kit.hunchback(), o = kit.omni();
        EXPECT_TRUE(io::SaveMech(h, hunchback) && io::SaveMech(o, omni));
    }
    MultiPrintResult print(const std::vector<MultiPrintEntry>& entries, OneRecording& target,
                           int stopAfter = 99) {
        int asked = 0;
        return MultiPrint(
            kit.ctx, entries, target, [&](const std::string& s) { status.push_back(s); },
            [&] { return asked++ >= stopAfter; });
    }
};

TEST_F(MultiPrintList, RowsNameTheConfigurationsOfAnOmniMech) {
    std::string message;
    const auto plain = multiPrintRow(kit.ctx, hunchback, message);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->entry.config, "N/A");
    EXPECT_TRUE(plain->configurations.empty());
    const auto variants = multiPrintRow(kit.ctx, omni, message);
    ASSERT_TRUE(variants);
    EXPECT_EQ(variants->entry.config, "Base");
    EXPECT_EQ(variants->configurations, (std::vector<std::string>{"Base", "Prime", "Alpha"}));
    EXPECT_FALSE(multiPrintRow(kit.ctx, kit.dir.file("none.FPM"), message));
    EXPECT_FALSE(message.empty());
    EXPECT_TRUE(kit.user.messages.empty()); // read quietly
}

TEST_F(MultiPrintList, PrintsEveryReadableDesignInItsConfiguration) {
    kit.ctx.settings.multiPrintType = true; // the text diagram
    OneRecording target;
    const MultiPrintResult result =
        print({{hunchback, "N/A"}, {kit.dir.file("none.FPM"), "N/A"}, {omni, "Alpha"}}, target);
    EXPECT_EQ(result.printed, 2);
    EXPECT_FALSE(result.stopped);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].rfind(kit.dir.file("none.FPM"), 0), 0u);
    EXPECT_EQ(status, (std::vector<std::string>{"Opening hunchback.FPM",
                                                "Printing Hunchback HBK-4G", "Opening none.FPM",
                                                "Opening vantor.FPM", "Changing omni config...",
                                                "Printing Alpha - Vantor Prime"}));
    EXPECT_EQ(target.surface.pageCount(), 2);
    ASSERT_NE(target.surface.find("Alpha - Vantor Prime"), nullptr);
    EXPECT_EQ(target.surface.find("Alpha - Vantor Prime")->page, 1);
    EXPECT_NE(target.surface.find("Rear Armor"), nullptr);
    EXPECT_EQ(target.surface.startingWith("Pilot Name: ")[0]->text, "Pilot Name: ");
}

TEST_F(MultiPrintList, StopEndsTheRunBetweenDesigns) {
    OneRecording target;
    const MultiPrintResult result = print({{hunchback, "N/A"}, {omni, "Base"}}, target, 1);
    EXPECT_EQ(result.printed, 1);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(target.surface.find("Rear Armor"), nullptr); // the standard diagram
    EXPECT_EQ(target.surface.find("Prime - Vantor Prime"), nullptr);
}

} // namespace
} // namespace fpw::recordsheet
