#include "player.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>
#include <utility>

namespace {

constexpr std::int32_t oxygenPerRest = 2;
constexpr std::int32_t healthPerRest = 5;

bool put(std::streambuf& console, std::string_view text) {
    const auto size = static_cast<std::streamsize>(text.size());
    return console.sputn(text.data(), size) == size;
}

// A line of the report put together in place, so that it goes out in one
// piece, with its counters in plain decimal: no locale and no allocation. The
// longest line, "Zycie: " and two counters of at most 11 characters, fits.
class ReportLine {
public:
    ReportLine& operator<<(std::string_view text) {
        const std::size_t count = std::min(text.size(), chars.size() - size);
        std::copy_n(text.data(), count, chars.data() + size);
        size += count;
        return *this;
    }

    ReportLine& operator<<(std::int32_t counter) {
        char* const end =
            std::to_chars(chars.data() + size, chars.data() + chars.size(), counter).ptr;
        size = static_cast<std::size_t>(end - chars.data());
        return *this;
    }

    [[nodiscard]] std::string_view text() const { return {chars.data(), size}; }

private:
    std::array<char, 48> chars{};
    std::size_t size = 0;
};

} // namespace

// The ready text goes straight to std::cout's buffer: the checks of a
// formatted write cost more than the writing itself, and this keeps the two
// that matter.
void write_line(std::initializer_list<std::string_view> parts) {
    if (!std::cout) {
        return;
    }
    std::streambuf& console = *std::cout.rdbuf();
    const bool written =
        std::all_of(parts.begin(), parts.end(),
                    [&console](std::string_view part) { return put(console, part); }) &&
        console.pubsync() != -1;
    if (!written) {
        std::cout.setstate(std::ios::badbit);
    }
}

void write_text(std::string_view text) {
    if (std::cout && !put(*std::cout.rdbuf(), text)) {
        std::cout.setstate(std::ios::badbit);
    }
}

Player::Player() : Entity("Zorv") {}

Player::Player(std::string playerName) : Entity(std::move(playerName)) {}

std::int32_t Player::get_metal() const { return metal; }

std::int32_t Player::get_oxygen() const { return oxygen; }

void Player::lower_oxygen(std::int32_t value) { oxygen = saturating_subtract(oxygen, value); }

void Player::add_oxygen(std::int32_t value) { oxygen = saturating_add(oxygen, value); }

void Player::add_metal(std::int32_t value) { metal = saturating_add(metal, value); }

void Player::rest() {
    write_line({get_name(), " odpoczywa. 2% tlenu\n"});
    write_line({"\n"});
    lower_oxygen(oxygenPerRest);
    add_health(healthPerRest);
}

void Player::display_player_info() const {
    write_line({"stan gracza\n"});
    write_line({ruleLine});
    write_line(
        {(ReportLine() << "Zycie: " << get_health() << "/" << get_max_health() << "\n").text()});
    write_line({(ReportLine() << "atak: " << get_damage() << "\n").text()});
    write_line({(ReportLine() << "Tlen: " << oxygen << "%\n").text()});
    write_line({(ReportLine() << "Metal: " << metal << "/50\n").text()});
}
