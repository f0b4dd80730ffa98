// Plays whatever bytes it is given as the player's replies and checks what
// must hold for any input: the game ends, greets first, writes only the forms
// a turn can take, and ends with the farewell, the only ending in play.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "game.h"
#include "game_texts.h"

namespace {

bool take(std::string_view& rest, std::string_view expected) {
    if (!rest.starts_with(expected)) {
        return false;
    }
    rest.remove_prefix(expected.size());
    return true;
}

void require(bool condition, const char* broken, std::string_view rest) {
    if (!condition) {
        std::cerr << "broken: " << broken << "\nat: " << rest.substr(0, 200) << '\n';
        std::abort();
    }
}

// Walks the output turn by turn, keeping count of rests so that every report
// must show the oxygen that is really left.
void check_output(std::string_view rest) {
    require(take(rest, texts::opening), "the name line and the introduction come first", rest);
    std::int64_t oxygen = 100;
    while (true) {
        require(take(rest, texts::plainTurn), "each turn starts with the menu and the prompt",
                rest);
        if (rest == texts::farewell) {
            return;
        }
        if (take(rest, texts::restMessage)) {
            oxygen -= 2;
        } else if (!take(rest, texts::refusal)) {
            take(rest, texts::report(10, oxygen));
        }
        require(!rest.empty(), "the game ends with the farewell", rest);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream replies(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream screen;
    std::streambuf* const console = std::cout.rdbuf(screen.rdbuf());
    std::streambuf* const keyboard = std::cin.rdbuf(replies.rdbuf());
    {
        Game gra("Brumo");
        gra.start_game();
    }
    std::cout.rdbuf(console);
    std::cin.rdbuf(keyboard);
    std::cin.clear();
    check_output(screen.str());
    return 0;
}
