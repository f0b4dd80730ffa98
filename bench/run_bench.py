#!/usr/bin/env python3
"""Measures the game against the floor, side by side.

usage: run_bench.py GAME FLOOR PEAK_MEMORY WORK_DIR [TURNS]

Both programs play the same generated session and must write identical bytes.
Then: wall time (hyperfine medians) on the session and on a start-and-leave
session, user-space instructions a turn (callgrind, exact and repeatable), and
peak resident memory on the session and on a 64 MiB reply.
"""

import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_session import session  # noqa: E402

TARGETS = {"turns": 1.25, "leave": 1.3, "instructions": 3000, "memory_mib": 4}


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)
    return path


def output_of(program, session_path):
    with open(session_path, "rb") as replies:
        return subprocess.run([program], stdin=replies, capture_output=True, check=True).stdout


def median_seconds(programs, session_path, runs, work):
    """Medians of both, run by turns. Without a session, each starts with no
    input, so it shows the game and leaves, and runs with no shell around it."""
    report = os.path.join(work, "hyperfine.json")
    if session_path:
        commands = [f"{program} < {session_path}" for program in programs]
    else:
        commands = ["-N", *programs]
    subprocess.run(
        ["hyperfine", "--style", "none", "--warmup", "20", "--runs", str(runs), "--output", "pipe",
         "--export-json", report, *commands],
        check=True,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
    )
    with open(report) as results:
        return [result["median"] for result in json.load(results)["results"]]


def instructions(program, session_path):
    with open(session_path, "rb") as replies:
        run = subprocess.run(
            ["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", program],
            stdin=replies,
            stdout=subprocess.DEVNULL,
            stderr=subprocess.PIPE,
            text=True,
            check=True,
        )
    return int(re.search(r"Collected : (\d+)", run.stderr).group(1))


def peak_mib(peak_memory, program, session_path):
    with open(session_path, "rb") as replies:
        run = subprocess.run(
            [peak_memory, program], stdin=replies, stdout=subprocess.DEVNULL,
            stderr=subprocess.PIPE, text=True, check=True,
        )
    return int(run.stderr.split()[1]) / 1024


def row(label, game, floor, unit, ratio_target=None, game_target=None):
    ratio = game / floor
    if ratio_target is not None:
        verdict = f"ratio <= {ratio_target}: {'met' if ratio <= ratio_target else 'MISSED'}"
    else:
        limit = f"{game_target:,} {unit}".strip()
        verdict = f"game <= {limit}: {'met' if game <= game_target else 'MISSED'}"
    print(f"{label:<26}{game:>14,.2f} {unit:<5}{floor:>14,.2f} {unit:<5}{ratio:>8.2f}   {verdict}")


def main():
    game, floor, peak_memory, work = sys.argv[1:5]
    turns = int(sys.argv[5]) if len(sys.argv) > 5 else 100_000
    os.makedirs(work, exist_ok=True)
    turns_path = write(os.path.join(work, "session.txt"), session(turns).encode())
    leave_path = write(os.path.join(work, "leave.txt"), b"0\n")
    huge_path = write(os.path.join(work, "huge.txt"), b" " * (64 << 20) + b"1\n0\n")

    for path in (turns_path, leave_path, huge_path):
        game_output = output_of(game, path)
        if game_output != output_of(floor, path):
            print(f"the game and the floor write different bytes on {path}")
            return 1
        print(f"{os.path.basename(path)}: the game and the floor write the same {len(game_output):,} bytes")
    print()

    game_turns, floor_turns = median_seconds([game, floor], turns_path, 20, work)
    game_leave, floor_leave = median_seconds([game, floor], None, 1000, work)
    game_ir = (instructions(game, turns_path) - instructions(game, leave_path)) / turns
    floor_ir = (instructions(floor, turns_path) - instructions(floor, leave_path)) / turns

    print(f"{'':<26}{'game':>20}{'floor':>20}{'ratio':>8}")
    row(f"wall, {turns:,} turns", game_turns * 1e3, floor_turns * 1e3, "ms", TARGETS["turns"])
    row("wall, start and leave", game_leave * 1e3, floor_leave * 1e3, "ms", TARGETS["leave"])
    row("instructions a turn", game_ir, floor_ir, "", game_target=TARGETS["instructions"])
    for label, path in ((f"peak memory, {turns:,} turns", turns_path), ("peak memory, 64 MiB reply", huge_path)):
        row(label, peak_mib(peak_memory, game, path), peak_mib(peak_memory, floor, path), "MiB",
            game_target=TARGETS["memory_mib"])
    return 0


if __name__ == "__main__":
    sys.exit(main())
