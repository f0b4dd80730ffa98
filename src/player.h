#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "entity.h"

// The game's console. Every line reaches it whole and at once: the parts of a
// line, the last ending in its line end, go to std::cout's buffer and are then
// flushed together, one write a line. Once output has failed nothing more is
// written, and std::cout tells of the failure.
void write_line(std::initializer_list<std::string_view> parts);
// Text left without a line end, such as the prompt; reading a reply flushes it.
void write_text(std::string_view text);

// The rule line under headings of the introduction, the menu and the report.
inline constexpr std::string_view ruleLine =
    "--------------------------------------------------------\n";

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
