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
    std::cout << player.get_name() << std::endl;
}

Game::Game(Player readyPlayer) : player(std::move(readyPlayer)) {
    std::cout << player.get_name() << std::endl;
}

void Game::print_introduction() const {
    std::cout << ruleLine << std::endl;
    std::cout << "Rozbiles sie na ksiezycu!" << std::endl;
    std::cout << "Twoim zadaniem jest przetrwanie i zdobycie wystarczajaco duzo surowcow by "
                 "zbudowac statek do domu"
              << std::endl;
    std::cout << "Uwazaj na zapasy swojego tlenu, bez niego nie mozesz dalej grac" << std::endl;
    std::cout << "Powodzenia" << player.get_name() << "!" << std::endl;
    std::cout << std::endl;
}

bool Game::can_build_ship() const { return player.get_metal() >= metalForShip; }

void Game::print_main_menu() const {
    std::cout << "Co chcesz zrobic?" << std::endl;
    std::cout << ruleLine << std::endl;
    std::cout << "[1] Sprawdz swoj stan" << std::endl;
    std::cout << "[2] Odpocznij" << std::endl;
    std::cout << "[3] Szukaj zasobow" << std::endl;
    if (can_build_ship()) {
        std::cout << "[4] Zbuduj statek" << std::endl;
    }
    std::cout << "[0] Wyjdz z gry" << std::endl;
}

void Game::start_game() {
    print_introduction();
    bool gameRunning = true;
    while (gameRunning) {
        print_main_menu();
        // Not ended: reading from the tied input stream flushes the prompt.
        std::cout << "Wpisz numer: ";
        // Nobody can play a game they cannot see: once the console stops
        // taking output, reading more replies would only go on in the dark.
        gameRunning = std::cout && play_turn(read_choice());
    }
}

bool Game::play_turn(std::int32_t playerChoice) {
    switch (playerChoice) {
    case 0:
        std::cout << "Do zobaczenia!" << std::endl;
        return false;
    case 1:
        player.display_player_info();
        return true;
    case 2:
        player.rest();
        return true;
    case 3:
        if (player.get_health() <= 0) {
            std::cout << "Gracz przegrywa!" << std::endl;
            std::cout << "Koniec gry! Sproboj ponownie!" << std::endl;
            return false;
        }
        return true;
    case 4:
        if (can_build_ship()) {
            std::cout << "gracz wygrywa" << std::endl;
            std::cout << "Pomyslnie zbudowales statek i wydostales sie z ksiezyca!" << std::endl;
            std::cout << "Dzieki za gre!" << std::endl;
            return false;
        }
        std::cout << "Ha, Ha bardzo smieszne zbierz wystarczjaca ilosc metalu i zbuduj statek"
                  << std::endl;
        return true;
    default:
        return true;
    }
}
