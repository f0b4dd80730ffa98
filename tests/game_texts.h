#pragma once

#include <cstdint>
#include <string>

// The game's texts as a player reads them, written out once for the tests.
namespace texts {

inline const std::string rule = "--------------------------------------------------------\n";

inline const std::string nameLine = "Brumo\n";
inline const std::string introduction =
    rule + "Rozbiles sie na ksiezycu!\n"
           "Twoim zadaniem jest przetrwanie i zdobycie wystarczajaco duzo surowcow by zbudowac "
           "statek do domu\n"
           "Uwazaj na zapasy swojego tlenu, bez niego nie mozesz dalej grac\n"
           "PowodzeniaBrumo!\n"
           "\n";
inline const std::string opening = nameLine + introduction;

inline const std::string menuHead = "Co chcesz zrobic?\n" + rule +
                                    "[1] Sprawdz swoj stan\n"
                                    "[2] Odpocznij\n"
                                    "[3] Szukaj zasobow\n";
inline const std::string shipLine = "[4] Zbuduj statek\n";
inline const std::string menuTail = "[0] Wyjdz z gry\n";
inline const std::string prompt = "Wpisz numer: ";

inline const std::string plainTurn = menuHead + menuTail + prompt;
inline const std::string shipTurn = menuHead + shipLine + menuTail + prompt;

inline const std::string farewell = "Do zobaczenia!\n";
inline const std::string restMessage = "Brumo odpoczywa. 2% tlenu\n\n";
inline const std::string refusal =
    "Ha, Ha bardzo smieszne zbierz wystarczjaca ilosc metalu i zbuduj statek\n";
inline const std::string victory = "gracz wygrywa\n"
                                   "Pomyslnie zbudowales statek i wydostales sie z ksiezyca!\n"
                                   "Dzieki za gre!\n";
inline const std::string defeat = "Gracz przegrywa!\nKoniec gry! Sproboj ponownie!\n";

inline std::string report(std::int64_t health, std::int64_t oxygen, std::int64_t metal = 0) {
    return "stan gracza\n" + rule + "Zycie: " + std::to_string(health) +
           "/10\natak: 2\nTlen: " + std::to_string(oxygen) + "%\nMetal: " + std::to_string(metal) +
           "/50\n";
}

} // namespace texts
