#include "game.h"

#include <algorithm>
#include <cstddef>
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

// A console with room for so many characters: what does not fit is refused,
// and a flush fails once anything was refused, or always if so told.
class CrampedConsole : public std::streambuf {
public:
    CrampedConsole(std::size_t roomLeft, bool alwaysFailFlush)
        : room(roomLeft), flushFails(alwaysFailFlush) {}

protected:
    int_type overflow(int_type /*unused*/) override { return traits_type::eof(); }
    std::streamsize xsputn(const char* /*unused*/, std::streamsize count) override {
        const auto taken = std::min(room, static_cast<std::size_t>(count));
        room -= taken;
        refused = refused || taken < static_cast<std::size_t>(count);
        return static_cast<std::streamsize>(taken);
    }
    int sync() override { return flushFails || refused ? -1 : 0; }

private:
    std::size_t room;
    bool flushFails;
    bool refused = false;
};

struct LostOutput {
    const char* name;
    std::size_t room;
    bool flushFails;
    std::size_t charactersRead; // of the replies "2\n2\n2\n"
};

void PrintTo(const LostOutput& lost, std::ostream* out) { *out << lost.name; }

class OutputLost : public GameConsole, public ::testing::WithParamInterface<LostOutput> {};

// However the console fails, the game stops writing and reads no further reply.
TEST_P(OutputLost, EndsTheGameWithoutReadingOn) {
    const std::string replies = "2\n2\n2\n";
    type(replies);
    CrampedConsole console(GetParam().room, GetParam().flushFails);
    std::cout.rdbuf(&console);
    Game game("Brumo");
    game.start_game();
    EXPECT_TRUE(std::cout.bad());
    const auto unread = static_cast<std::size_t>(std::cin.rdbuf()->in_avail());
    EXPECT_EQ(replies.size() - unread, GetParam().charactersRead);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputLost,
    ::testing::Values(LostOutput{"NoRoomAtAll", 0, false, 0},
                      LostOutput{"EveryFlushFails", 1000000, true, 0},
                      LostOutput{"PromptLost", (opening + menuHead + menuTail).size(), false, 0},
                      LostOutput{"AnswerLost", (opening + plainTurn).size(), false, 1}),
    CaseName());
} // namespace
