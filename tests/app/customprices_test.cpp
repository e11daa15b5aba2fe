#include "app/customprices.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/files.h"
#include "app/programcontext.h"
#include "catalog/weapondatabase.h"
#include "support/contextfixture.h"

namespace fpw::app {
namespace {

using catalog::WeaponRecord;

WeaponRecord weapon(std::string name, std::int16_t techBase, std::int32_t cost) {
    WeaponRecord record;
    record.name = std::move(name);
    record.techBase = techBase;
    record.cost = cost;
    return record;
}

class CustomPricesTest : public ::testing::Test, protected testing::ContextFixture {
protected:
    CustomPricesTest() {
        ctx.weapons = {weapon("LRM-20", 0, 250000), weapon("LRM-20", 1, 250000),
                       weapon("Medium Laser", 0, 40000), weapon("Café Gun", 1, 1000)};
        shippedWeapons = ctx.weapons;
    }

    // Reads `text` as the custom price file.
    bool read(std::string_view text) {
        return ReadCustomData(ctx, dir.write("cus_data.dat", text));
    }
    catalog::WeaponTable shippedWeapons;
    catalog::PriceTable defaultPrices;
};

TEST_F(CustomPricesTest, PricesChangeOnlyTheRecordOfThatTechBaseAndItemsUpTo55) {
    EXPECT_TRUE(read("WeaponPrice;LRM-20;IS;300000\r\nWeaponPrice;Medium Laser;IS;45000.5\r\n"
                     "WeaponPrice;Caf\xE9 Gun;C;1500\r\nItemPrice;55;3500\nItemPrice;99;1\n"
                     "ItemPrice;-1;1\nItemPrice;34;2500\n"));
    // 45000.5 rounds to the even neighbour; the file's text is Windows-1252.
    for (const auto& [i, cost] : {std::pair{0, 300000}, {2, 45000}, {3, 1500}}) {
        shippedWeapons[std::size_t(i)].cost = cost;
    }
    EXPECT_EQ(ctx.weapons, shippedWeapons);
    catalog::PriceTable expected;
    expected.current[55] = 3500;
    expected.current[34] = 2500;
    EXPECT_EQ(ctx.prices, expected);
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(CustomPricesTest, UnknownWeaponsAndQualifiersAreShownAndReadingGoesOn) {
    EXPECT_TRUE(read("WeaponPrice;Medium Laser;C;1\r\nPrice;5;6\r\nno separator here\r\n"
                     "ItemPrice;0;60000\r\n"));
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].title, "Unable to find weapon");
    EXPECT_EQ(user.messages[0].text, "Unable to find weapon called Medium Laser in custom string "
                                     "of 'WeaponPrice;Medium Laser;C;1'");
    EXPECT_EQ(user.messages[1].title, "Inavlid qualifier");
    EXPECT_EQ(user.messages[1].text, "Invalid Custom File qualifier: Price");
    EXPECT_EQ(user.messages[1].icon, MessageIcon::Critical);
    EXPECT_EQ(ctx.weapons, shippedWeapons);
    EXPECT_EQ(ctx.prices.current[0], 60000);
    // Another tech base qualifier shows two messages and changes nothing.
    for (const std::string qualifier : {"Clan", "is", "", "X"}) {
        user.messages.clear();
        EXPECT_TRUE(read("WeaponPrice;LRM-20;" + qualifier + ";1"));
        ASSERT_EQ(user.messages.size(), 2u) << qualifier;
        EXPECT_EQ(user.messages[0].title, "Invalid qualifier");
        EXPECT_EQ(user.messages[0].text, "Invalid tech base qualifier: " + qualifier);
        EXPECT_EQ(user.messages[1].title, "Not doing search");
        EXPECT_EQ(user.messages[1].text, "Not searching for weapon with name of LRM-20");
        EXPECT_EQ(ctx.weapons, shippedWeapons);
    }
}

TEST_F(CustomPricesTest, APriceThatIsNotANumberEndsTheReadingKeepingWhatWasSet) {
    // The failing line and its error number; "1,500" and other texts parseNumber refuses are
    // its own test's rows.
    const std::pair<const char*, int> cases[] = {
        {"ItemPrice;5;", 13},          {"ItemPrice;5", 13},
        {"ItemPrice;x;5", 13},         {"WeaponPrice;LRM-20;IS", 13},
        {"WeaponPrice;LRM-20", 13},    {"WeaponPrice;LRM-20;IS;1;2", 13},
        {"ItemPrice;5;3000000000", 6}, {"ItemPrice;70000;5", 6}};
    for (const auto& [line, number] : cases) {
        ctx.prices = {};
        ctx.weapons = shippedWeapons;
        user.messages.clear();
        EXPECT_FALSE(read("ItemPrice;1;2500\r\nWeaponPrice;LRM-20;C;1\r\n" + std::string(line) +
                          "\r\nItemPrice;2;7000\r\n"))
            << line;
        EXPECT_EQ(ctx.prices.current[1], 2500) << line;
        EXPECT_EQ(ctx.weapons[1].cost, 1) << line;
        EXPECT_EQ(ctx.prices.current[2], 5000) << "not read after the failure: " << line;
        EXPECT_EQ(ctx.prices.current[5], 200000) << line;
        ASSERT_EQ(user.messages.size(), 1u) << line;
        EXPECT_EQ(user.messages[0].title, "Error");
        EXPECT_NE(user.messages[0].text.find("\tFunction: ReadCustomData\r\n\tError Number: " +
                                             std::to_string(number) + "\r\n"),
                  std::string::npos)
            << user.messages[0].text;
    }
}

TEST_F(CustomPricesTest, TheWrittenFileHoldsOnlyWhatDiffersAndReadsBack) {
    EXPECT_EQ(customDataText(ctx.weapons, shippedWeapons, ctx.prices), "");
    dir.write("wpndata.bin", catalog::writeWeaponDatabase(shippedWeapons));
    ctx.weapons[1].cost = 1;
    ctx.weapons[3].cost = 2;
    ctx.prices.current[0] = 10;
    ctx.prices.current[54] = 20;
    ctx.prices.current[55] = 30; // has no line in the file
    ASSERT_TRUE(WriteCustomData(ctx));
    EXPECT_EQ(dir.read("cus_data.dat"), "WeaponPrice;LRM-20;C;1\r\nWeaponPrice;Caf\xE9 Gun;C;2\r\n"
                                        "ItemPrice;0;10\r\nItemPrice;54;20\r\n");

    const auto changedWeapons = ctx.weapons;
    auto changedPrices = ctx.prices;
    changedPrices.current[55] = catalog::PriceTable{}.current[55]; // not in the file
    ctx.weapons = shippedWeapons;
    ctx.prices = {};
    EXPECT_TRUE(ReadCustomData(ctx, dir.file("cus_data.dat")));
    EXPECT_EQ(ctx.weapons, changedWeapons);
    EXPECT_EQ(ctx.prices, changedPrices);
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(CustomPricesTest, WithoutAReadableDatabaseTheOldFileStaysAndNothingChangedDeletesIt) {
    dir.write("cus_data.dat", "ItemPrice;0;1\r\n");
    ctx.prices.current[3] = 1;
    EXPECT_FALSE(WriteCustomData(ctx));
    dir.write("wpndata.bin", "not a weapon database");
    EXPECT_FALSE(WriteCustomData(ctx));
    EXPECT_EQ(dir.read("cus_data.dat"), "ItemPrice;0;1\r\n");
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_NE(user.messages[1].text.find("Function: WriteCustomData"), std::string::npos);

    dir.write("wpndata.bin", catalog::writeWeaponDatabase(shippedWeapons));
    ctx.prices = {};
    ASSERT_TRUE(WriteCustomData(ctx));
    EXPECT_FALSE(fileExists(dir.file("cus_data.dat")));
    // A folder that holds something, in the file's place, cannot be deleted: that is a failure.
    std::filesystem::create_directory(dir.file("cus_data.dat"));
    dir.write("cus_data.dat/kept", "x");
    EXPECT_FALSE(WriteCustomData(ctx));
    EXPECT_NE(user.messages.back().text.find("Cannot delete"), std::string::npos);
}

} // namespace
} // namespace fpw::app
