#!/usr/bin/env python3
"""Plays one recorded game and compares what the game wrote with what it should.

usage: run_transcript.py NAME.in NAME.out GAME [ARG...]

The first line of NAME.in describes the case and is not typed; the rest are the
player's keys, sent as they stand. NAME.out holds the exact bytes the game must
write. The game must also exit with status 0, write nothing to standard error
and end by itself in time. GAME may be a wrapper, such as a memory checker,
followed by the game and its arguments.
"""

import difflib
import subprocess
import sys

TIME_LIMIT_SECONDS = 10


def main() -> int:
    input_path, expected_path = sys.argv[1:3]
    game = sys.argv[3:]
    with open(input_path, "rb") as recorded:
        description = recorded.readline().decode().strip()
        keys = recorded.read()
    with open(expected_path, "rb") as expected_file:
        expected = expected_file.read()

    try:
        result = subprocess.run(game, input=keys, capture_output=True, timeout=TIME_LIMIT_SECONDS)
    except subprocess.TimeoutExpired:
        print(f"{description}\nthe game did not end within {TIME_LIMIT_SECONDS} s")
        return 1

    failed = False
    if result.returncode != 0:
        print(f"exit status {result.returncode}, expected 0")
        failed = True
    if result.stderr:
        print(f"unexpected standard error: {result.stderr!r}")
        failed = True
    if result.stdout != expected:
        diff = difflib.unified_diff(
            expected.decode(errors="backslashreplace").splitlines(keepends=True),
            result.stdout.decode(errors="backslashreplace").splitlines(keepends=True),
            fromfile=expected_path,
            tofile="game output",
        )
        sys.stdout.writelines(diff)
        print("\n(bytes differ; a difference in line ends or a missing last newline may not show above)")
        failed = True
    if failed:
        print(f"case: {description}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
