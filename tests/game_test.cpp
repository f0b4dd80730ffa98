#include "game.h"

#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "named_case.h"

#include "console_test.h"

namespace {

const std::string rule = "--------------------------------------------------------\n";

const std::string introduction =
    rule + "Rozbiles sie na ksiezycu!\n"
           "Twoim zadaniem jest przetrwanie i zdobycie wystarczajaco duzo surowcow by zbudowac "
           "statek do domu\n"
           "Uwazaj na zapasy swojego tlenu, bez niego nie mozesz dalej grac\n"
           "PowodzeniaBrumo!\n"
           "\n";

const std::string menuHead = "Co chcesz zrobic?\n" + rule +
                             "[1] Sprawdz swoj stan\n"
                             "[2] Odpocznij\n"
                             "[3] Szukaj zasobow\n";
const std::string shipLine = "[4] Zbuduj statek\n";
const std::string menuTail = "[0] Wyjdz z gry\n";
const std::string prompt = "Wpisz numer: ";

const std::string plainTurn = menuHead + menuTail + prompt;
const std::string shipTurn = menuHead + shipLine + menuTail + prompt;

const std::string farewell = "Do zobaczenia!\n";
const std::string refusal =
    "Ha, Ha bardzo smieszne zbierz wystarczjaca ilosc metalu i zbuduj statek\n";
const std::string victory = "gracz wygrywa\n"
                            "Pomyslnie zbudowales statek i wydostales sie z ksiezyca!\n"
                            "Dzieki za gre!\n";
const std::string defeat = "Gracz przegrywa!\nKoniec gry! Sproboj ponownie!\n";

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
    EXPECT_EQ(written(), "Brumo\n");
}

TEST_F(GameConsole, LeavingAtOnce) {
    type("0\n");
    Game game("Brumo");
    game.start_game();
    EXPECT_EQ(written(), "Brumo\n" + introduction + plainTurn + farewell);
}

TEST_F(GameConsole, ReadyPlayerKeepsWhatItCarries) {
    type("1\n0\n");
    Game game(player_with_metal(12));
    game.start_game();
    EXPECT_EQ(written(), "Brumo\n" + introduction + plainTurn + "stan gracza\n" + rule +
                             "Zycie: 10/10\natak: 2\nTlen: 100%\nMetal: 12/50\n" + plainTurn +
                             farewell);
}

struct ShipCase {
    const char *name;
    std::int32_t metal;
    bool shipLineShown;
};

void PrintTo(const ShipCase &ship, std::ostream *out) { *out << ship.name; }

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
    EXPECT_EQ(written(), "Brumo\n" + introduction + shipTurn + victory);
}

TEST_F(GameConsole, BuildingWithFortyNineMetalIsRefusedAndPlayGoesOn) {
    type("4\n0\n");
    Game game(player_with_metal(49));
    game.start_game();
    EXPECT_EQ(written(), "Brumo\n" + introduction + plainTurn + refusal + plainTurn + farewell);
}

class SearchWithoutHealth : public GameConsole,
                            public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(SearchWithoutHealth, LosesAndEndsTheGame) {
    type("3\n1\n");
    Game game(player_with_health(GetParam()));
    game.start_game();
    EXPECT_EQ(written(), "Brumo\n" + introduction + plainTurn + defeat);
}

INSTANTIATE_TEST_SUITE_P(HealthAtOrBelowZero, SearchWithoutHealth, ::testing::Values(0, -1, -50));

TEST_F(GameConsole, SearchWithAnyHealthLeftWritesNothing) {
    type("3\n0\n");
    Game game(player_with_health(1));
    game.start_game();
    EXPECT_EQ(written(), "Brumo\n" + introduction + plainTurn + plainTurn + farewell);
}

TEST_F(GameConsole, EndOfInputLeaves) {
    type("2");
    Game game("Brumo");
    game.start_game();
    EXPECT_EQ(written(), "Brumo\n" + introduction + plainTurn + "Brumo odpoczywa. 2% tlenu\n\n" +
                             plainTurn + farewell);
}

} // namespace
