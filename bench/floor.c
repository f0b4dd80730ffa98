/*
 * The least any implementation of the game can do: it reads the same replies
 * and writes the same bytes as the game, with exactly one write(2) a line, the
 * prompt counting as one. Nothing else is spent: input is read in large
 * blocks, every text is ready-made and numbers are formatted by hand. It plays
 * only what play can reach: metal stays 0 and health at its ceiling, so the
 * ship and the losing rows never come up.
 */
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#define LINE(text) text, sizeof(text) - 1

static void put(const char* text, size_t size) {
    while (size > 0) {
        ssize_t written = write(1, text, size);
        if (written < 0) {
            exit(1);
        }
        text += written;
        size -= (size_t)written;
    }
}

static char input[1 << 16];
static size_t input_size;
static size_t input_at;
static int input_ended;

static int peek(void) {
    if (input_at == input_size) {
        ssize_t got = input_ended ? 0 : read(0, input, sizeof input);
        if (got <= 0) {
            input_ended = 1;
            return -1;
        }
        input_size = (size_t)got;
        input_at = 0;
    }
    return (unsigned char)input[input_at];
}

static int is_blank(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

/* Once a read fails (end of input, a number out of range) none succeeds again. */
static int stream_failed;
static int stream_at_end;

/* The formatted extraction of an int: 0 when no number can be read. */
static int read_choice(void) {
    if (stream_failed || stream_at_end) {
        stream_failed = 1;
        return 0;
    }
    int c;
    while ((c = peek()) >= 0 && is_blank(c)) {
        ++input_at;
    }
    if (c < 0) {
        stream_failed = 1;
        return 0;
    }
    int negative = 0;
    if (c == '+' || c == '-') {
        negative = c == '-';
        ++input_at;
        c = peek();
    }
    if (c < '0' || c > '9') {
        stream_failed = 1;
        return 0;
    }
    long long value = 0;
    int overflow = 0;
    while ((c = peek()) >= '0' && c <= '9') {
        ++input_at;
        if (!overflow) {
            value = value * 10 + (c - '0');
            overflow = value > (long long)INT_MAX + 1;
        }
    }
    if (c < 0) {
        stream_at_end = 1;
    }
    if (negative) {
        value = -value;
    }
    if (overflow || value > INT_MAX || value < INT_MIN) {
        stream_failed = 1;
        return negative ? INT_MIN : INT_MAX;
    }
    return (int)value;
}

static void put_oxygen_line(long long oxygen) {
    char line[32] = "Tlen: ";
    char digits[24];
    size_t count = 0;
    unsigned long long magnitude =
        oxygen < 0 ? 0ULL - (unsigned long long)oxygen : (unsigned long long)oxygen;
    do {
        digits[count++] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    size_t size = 6;
    if (oxygen < 0) {
        line[size++] = '-';
    }
    while (count > 0) {
        line[size++] = digits[--count];
    }
    line[size++] = '%';
    line[size++] = '\n';
    put(line, size);
}

int main(void) {
    static const char rule[] = "--------------------------------------------------------\n";
    put(LINE("Brumo\n"));
    put(LINE(rule));
    put(LINE("Rozbiles sie na ksiezycu!\n"));
    put(LINE("Twoim zadaniem jest przetrwanie i zdobycie wystarczajaco duzo surowcow by zbudowac "
             "statek do domu\n"));
    put(LINE("Uwazaj na zapasy swojego tlenu, bez niego nie mozesz dalej grac\n"));
    put(LINE("PowodzeniaBrumo!\n"));
    put(LINE("\n"));
    long long oxygen = 100;
    for (;;) {
        put(LINE("Co chcesz zrobic?\n"));
        put(LINE(rule));
        put(LINE("[1] Sprawdz swoj stan\n"));
        put(LINE("[2] Odpocznij\n"));
        put(LINE("[3] Szukaj zasobow\n"));
        put(LINE("[0] Wyjdz z gry\n"));
        put(LINE("Wpisz numer: "));
        switch (read_choice()) {
        case 0:
            put(LINE("Do zobaczenia!\n"));
            return 0;
        case 1:
            put(LINE("stan gracza\n"));
            put(LINE(rule));
            put(LINE("Zycie: 10/10\n"));
            put(LINE("atak: 2\n"));
            put_oxygen_line(oxygen);
            put(LINE("Metal: 0/50\n"));
            break;
        case 2:
            put(LINE("Brumo odpoczywa. 2% tlenu\n"));
            put(LINE("\n"));
            oxygen = oxygen - 2 < INT_MIN ? INT_MIN : oxygen - 2;
            break;
        case 4:
            put(LINE("Ha, Ha bardzo smieszne zbierz wystarczjaca ilosc metalu i zbuduj statek\n"));
            break;
        default:
            break;
        }
    }
}
