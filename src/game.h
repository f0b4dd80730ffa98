#pragma once

#include <cstdint>
#include <string>

#include "player.h"

class Game {
public:
    explicit Game(std::string playerName);
    // Puts the game before a player who already carries metal or wounds, so
    // that the winning and losing rules can be played out.
    explicit Game(Player readyPlayer);

    void print_main_menu() const;
    void start_game();

private:
    void print_introduction() const;
    [[nodiscard]] bool can_build_ship() const;
    // Carries out one choice and tells whether the game goes on.
    bool play_turn(std::int32_t playerChoice);

    Player player;
};
