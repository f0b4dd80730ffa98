#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "entity.h"

// The rule line under headings of the introduction, the menu and the report.
inline constexpr std::string_view ruleLine =
    "--------------------------------------------------------";

class Player : public Entity {
public:
    Player();
    explicit Player(std::string playerName);

    [[nodiscard]] std::int32_t get_metal() const;
    [[nodiscard]] std::int32_t get_oxygen() const;

    void lower_oxygen(std::int32_t value);
    void add_oxygen(std::int32_t value);
    void add_metal(std::int32_t value);

    void rest();
    void display_player_info() const;

private:
    std::int32_t metal = 0;
    std::int32_t oxygen = 100;
};
