#include "player.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "console_test.h"
#include "game_texts.h"

namespace {

constexpr std::int32_t maxCounter = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t minCounter = std::numeric_limits<std::int32_t>::min();

using texts::report;

void expect_fresh(const Player& player, const std::string& name) {
    EXPECT_EQ(player.get_name(), name);
    EXPECT_EQ(player.get_health(), 10);
    EXPECT_EQ(player.get_max_health(), 10);
    EXPECT_EQ(player.get_damage(), 2);
    EXPECT_EQ(player.get_metal(), 0);
    EXPECT_EQ(player.get_oxygen(), 100);
}

TEST(Player, NamedPlayerStartsWithNoMetalAndFullOxygen) { expect_fresh(Player("Brumo"), "Brumo"); }

TEST(Player, DefaultPlayerIsZorvWithEveryCounterSet) { expect_fresh(Player(), "Zorv"); }

TEST(Player, MoveAssignmentOverDefaultTakesEverything) {
    Player target;
    target.add_metal(7);
    target.lower_oxygen(30);
    target.lower_health(4);
    target = Player("Brumo");
    expect_fresh(target, "Brumo");
}

TEST(Player, OxygenAndMetalChangeByTheValue) {
    Player player("Brumo");
    player.lower_oxygen(30);
    player.add_oxygen(5);
    player.add_metal(49);
    player.add_metal(-4);
    EXPECT_EQ(player.get_oxygen(), 75);
    EXPECT_EQ(player.get_metal(), 45);
}

TEST(Player, CountersStopAtTheLimitsInsteadOfWrapping) {
    Player player("Brumo");
    player.lower_oxygen(maxCounter);
    player.lower_oxygen(maxCounter);
    EXPECT_EQ(player.get_oxygen(), minCounter);
    player.rest();
    EXPECT_EQ(player.get_oxygen(), minCounter);

    player.add_oxygen(maxCounter);
    player.add_oxygen(maxCounter);
    player.add_oxygen(maxCounter);
    EXPECT_EQ(player.get_oxygen(), maxCounter);
    player.lower_oxygen(minCounter);
    EXPECT_EQ(player.get_oxygen(), maxCounter);

    player.add_metal(maxCounter);
    player.add_metal(1);
    EXPECT_EQ(player.get_metal(), maxCounter);
    player.add_metal(minCounter);
    player.add_metal(minCounter);
    EXPECT_EQ(player.get_metal(), minCounter);
}

using PlayerConsole = ConsoleTest;

TEST_F(PlayerConsole, ReportShowsTheStartingState) {
    const Player player("Brumo");
    player.display_player_info();
    EXPECT_EQ(written(), report(10, 100));
}

TEST_F(PlayerConsole, ReportShowsEveryCounterAsItStands) {
    Player player("Brumo");
    player.lower_health(25);
    player.lower_oxygen(150);
    player.add_metal(-3);
    player.display_player_info();
    EXPECT_EQ(written(), report(-15, -50, -3));
}

TEST_F(PlayerConsole, RestWritesItsMessageThenCostsOxygenAndHeals) {
    Player player("Brumo");
    player.lower_health(7);
    player.rest();
    EXPECT_EQ(written(), texts::restMessage);
    EXPECT_EQ(player.get_oxygen(), 98);
    EXPECT_EQ(player.get_health(), 8);
    player.rest();
    EXPECT_EQ(player.get_health(), 10);
    EXPECT_EQ(player.get_oxygen(), 96);
}

TEST_F(PlayerConsole, RestingPastEmptyOxygenGoesBelowZero) {
    Player player("Brumo");
    for (int rest = 0; rest < 50; ++rest) {
        player.rest();
    }
    EXPECT_EQ(player.get_oxygen(), 0);
    player.rest();
    EXPECT_EQ(player.get_oxygen(), -2);
    EXPECT_EQ(player.get_health(), 10);
    forget_written();
    player.display_player_info();
    EXPECT_EQ(written(), report(10, -2));
}

} // namespace
