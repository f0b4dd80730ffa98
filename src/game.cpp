#include "game.h"

#include <iostream>
#include <utility>

namespace {

constexpr std::int32_t metalForShip = 50;

// A read that yields no number counts as leaving: a reply that is not a
// number, and also the end of input, where the stream would otherwise leave
// the last choice in place and replay that turn forever.
std::int32_t read_choice() {
    std::int32_t choice = 0;
    std::cin >> choice;
    return choice;
}

} // namespace

// The player begins as the default castaway and is replaced at once by the
// named one, so the move assignment of Player is what carries a player over.
Game::Game(std::string playerName) {
    // cppcheck-suppress useInitializationList
    player = Player(std::move(playerName));
    write_line({player.get_name(), "\n"});
}

Game::Game(Player readyPlayer) : player(std::move(readyPlayer)) {
    write_line({player.get_name(), "\n"});
}

void Game::print_introduction() const {
    write_line({ruleLine});
    write_line({"Rozbiles sie na ksiezycu!\n"});
    write_line(
        {"Twoim zadaniem jest przetrwanie i zdobycie wystarczajaco duzo surowcow by zbudowac "
         "statek do domu\n"});
    write_line({"Uwazaj na zapasy swojego tlenu, bez niego nie mozesz dalej grac\n"});
    write_line({"Powodzenia", player.get_name(), "!\n"});
    write_line({"\n"});
}

bool Game::can_build_ship() const { return player.get_metal() >= metalForShip; }

void Game::print_main_menu() const {
    write_line({"Co chcesz zrobic?\n"});
    write_line({ruleLine});
    write_line({"[1] Sprawdz swoj stan\n"});
    write_line({"[2] Odpocznij\n"});
    write_line({"[3] Szukaj zasobow\n"});
    if (can_build_ship()) {
        write_line({"[4] Zbuduj statek\n"});
    }
    write_line({"[0] Wyjdz z gry\n"});
}

void Game::start_game() {
    print_introduction();
    bool gameRunning = true;
    while (gameRunning) {
        print_main_menu();
        write_text("Wpisz numer: ");
        // Nobody can play a game they cannot see: once the console stops
        // taking output, reading more replies would only go on in the dark.
        gameRunning = std::cout && play_turn(read_choice());
    }
}

bool Game::play_turn(std::int32_t playerChoice) {
    switch (playerChoice) {
    case 0:
        write_line({"Do zobaczenia!\n"});
        return false;
    case 1:
        player.display_player_info();
        return true;
    case 2:
        player.rest();
        return true;
    case 3:
        if (player.get_health() <= 0) {
            write_line({"Gracz przegrywa!\n"});
            write_line({"Koniec gry! Sproboj ponownie!\n"});
            return false;
        }
        return true;
    case 4:
        if (can_build_ship()) {
            write_line({"gracz wygrywa\n"});
            write_line({"Pomyslnie zbudowales statek i wydostales sie z ksiezyca!\n"});
            write_line({"Dzieki za gre!\n"});
            return false;
        }
        write_line({"Ha, Ha bardzo smieszne zbierz wystarczjaca ilosc metalu i zbuduj statek\n"});
        return true;
    default:
        return true;
    }
}
