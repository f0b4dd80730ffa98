#include <cstdlib>
#include <iostream>

#include "game.h"

int main() {
    Game gra("Brumo");
    gra.start_game();
    // A game whose texts were lost on the way to the console did not succeed.
    return std::cout ? EXIT_SUCCESS : EXIT_FAILURE;
}
