#include "player.h"

#include <iostream>
#include <utility>

namespace {

constexpr std::int32_t oxygenPerRest = 2;
constexpr std::int32_t healthPerRest = 5;

} // namespace

Player::Player() : Entity("Zorv") {}

Player::Player(std::string playerName) : Entity(std::move(playerName)) {}

std::int32_t Player::get_metal() const { return metal; }

std::int32_t Player::get_oxygen() const { return oxygen; }

void Player::lower_oxygen(std::int32_t value) { oxygen = saturating_subtract(oxygen, value); }

void Player::add_oxygen(std::int32_t value) { oxygen = saturating_add(oxygen, value); }

void Player::add_metal(std::int32_t value) { metal = saturating_add(metal, value); }

void Player::rest() {
    std::cout << get_name() << " odpoczywa. 2% tlenu" << std::endl;
    std::cout << std::endl;
    lower_oxygen(oxygenPerRest);
    add_health(healthPerRest);
}

void Player::display_player_info() const {
    std::cout << "stan gracza" << std::endl;
    std::cout << ruleLine << std::endl;
    std::cout << "Zycie: " << get_health() << "/" << get_max_health() << std::endl;
    std::cout << "atak: " << get_damage() << std::endl;
    std::cout << "Tlen: " << oxygen << "%" << std::endl;
    std::cout << "Metal: " << metal << "/50" << std::endl;
}
