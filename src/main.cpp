#include "game.h"

int main() {
    Game gra("Brumo");
    gra.start_game();
    return 0;
}
