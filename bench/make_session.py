#!/usr/bin/env python3
"""Writes a scripted session of TURNS turns that mixes every choice but leaving,
with blank lines and several replies on a line, then leaves. The same TURNS
always give the same bytes.

usage: make_session.py TURNS > session.txt
"""

import random
import sys

REPLIES = ["1", "2", "3", "4", "7", "-1", "1000", "+2", "01"]
SEPARATORS = ["\n", "\n", "\n", " ", "\t", "\n\n", "\r\n"]


def session(turns):
    choose = random.Random(20261211)
    parts = []
    for _ in range(turns - 1):
        parts.append(choose.choice(REPLIES))
        parts.append(choose.choice(SEPARATORS))
    parts.append("0\n")
    return "".join(parts)


def main():
    sys.stdout.write(session(int(sys.argv[1])))


if __name__ == "__main__":
    main()
