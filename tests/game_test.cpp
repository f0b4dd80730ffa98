#include "game.h"

#include <cstdint>
#include <iostream>
#include <ostream>
#include <streambuf>
#include <string>

#include <gtest/gtest.h>

#include "console_test.h"
#include "game_texts.h"
#include "named_case.h"

namespace {

using namespace texts;

Player player_with_metal(std::int32_t metal) {
    Player player("Brumo");
    player.add_metal(metal);
    return player;
}

Player player_with_health(std::int32_t health) {
    Player player("Brumo");
    player.lower_health(10 - health);
    return player;
}

using GameConsole = ConsoleTest;

TEST_F(GameConsole, ConstructorWritesOnlyTheNameLine) {
    const Game game("Brumo");
    EXPECT_EQ(written(), nameLine);
}

TEST_F(GameConsole, LeavingAtOnce) {
    type("0\n");
    Game game("Brumo");
    game.start_game();
    EXPECT_EQ(written(), opening + plainTurn + farewell);
}

TEST_F(GameConsole, ReadyPlayerKeepsWhatItCarries) {
    type("1\n0\n");
    Game game(player_with_metal(12));
    game.start_game();
    EXPECT_EQ(written(), opening + plainTurn + report(10, 100, 12) + plainTurn + farewell);
}

struct ShipCase {
    const char* name;
    std::int32_t metal;
    bool shipLineShown;
};

void PrintTo(const ShipCase& ship, std::ostream* out) { *out << ship.name; }

class MenuShipLine : public GameConsole, public ::testing::WithParamInterface<ShipCase> {};

TEST_P(MenuShipLine, ShowsBuildingOnlyFromFiftyMetal) {
    const Game game(player_with_metal(GetParam().metal));
    forget_written();
    game.print_main_menu();
    EXPECT_EQ(written(), menuHead + (GetParam().shipLineShown ? shipLine : "") + menuTail);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuShipLine,
                         ::testing::Values(ShipCase{"NoMetal", 0, false},
                                           ShipCase{"FortyNine", 49, false},
                                           ShipCase{"Fifty", 50, true},
                                           ShipCase{"PlentyOfMetal", 1000, true},
                                           ShipCase{"DebtOfMetal", -60, false}),
                         CaseName());

TEST_F(GameConsole, BuildingWithFiftyMetalWinsAndEndsTheGame) {
    type("4\n1\n");
    Game game(player_with_metal(50));
    game.start_game();
    EXPECT_EQ(written(), opening + shipTurn + victory);
}

TEST_F(GameConsole, BuildingWithFortyNineMetalIsRefusedAndPlayGoesOn) {
    type("4\n0\n");
    Game game(player_with_metal(49));
    game.start_game();
    EXPECT_EQ(written(), opening + plainTurn + refusal + plainTurn + farewell);
}

class SearchWithoutHealth : public GameConsole,
                            public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(SearchWithoutHealth, LosesAndEndsTheGame) {
    type("3\n1\n");
    Game game(player_with_health(GetParam()));
    game.start_game();
    EXPECT_EQ(written(), opening + plainTurn + defeat);
}

INSTANTIATE_TEST_SUITE_P(HealthAtOrBelowZero, SearchWithoutHealth, ::testing::Values(0, -1, -50));

TEST_F(GameConsole, SearchWithAnyHealthLeftWritesNothing) {
    type("3\n0\n");
    Game game(player_with_health(1));
    game.start_game();
    EXPECT_EQ(written(), opening + plainTurn + plainTurn + farewell);
}

TEST_F(GameConsole, EndOfInputLeaves) {
    type("2");
    Game game("Brumo");
    game.start_game();
    EXPECT_EQ(written(), opening + plainTurn + restMessage + plainTurn + farewell);
}

// A console that takes nothing: every write and every flush fails.
class BrokenConsole : public std::streambuf {
protected:
    int_type overflow(int_type /*unused*/) override { return traits_type::eof(); }
    std::streamsize xsputn(const char* /*unused*/, std::streamsize /*unused*/) override {
        return 0;
    }
    int sync() override { return -1; }
};

TEST_F(GameConsole, OutputThatFailsEndsTheGameBeforeAnyReplyIsRead) {
    type("2\n2\n2\n");
    BrokenConsole broken;
    std::cout.rdbuf(&broken);
    Game game("Brumo");
    EXPECT_TRUE(std::cout.bad());
    game.start_game();
    EXPECT_TRUE(std::cout.bad());
    std::string unread;
    std::getline(std::cin, unread);
    EXPECT_EQ(unread, "2");
}

} // namespace
