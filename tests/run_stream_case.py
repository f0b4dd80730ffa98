#!/usr/bin/env python3
"""Plays the game with standard streams that a transcript cannot describe.

usage: run_stream_case.py CASE GAME TRANSCRIPTS_DIR PEAK_MEMORY
                          [--time-limit S] [--memory-limit-mib M]

Huge replies are generated here, never stored. Where the game's output is
checked, it must equal the named transcript's expected output, so that the
game's texts are written down in one place only.
"""

import argparse
import os
import signal
import subprocess
import sys
import threading
import time

MIB = 1 << 20


def feed(pipe, chunks):
    """Writes the chunks to the game until they end or the game stops reading."""
    try:
        for chunk in chunks:
            pipe.write(chunk)
        pipe.close()
    except (BrokenPipeError, ValueError):
        pass


def huge(prefix_byte, size, tail):
    chunk = prefix_byte * MIB
    for _ in range(size // MIB):
        yield chunk
    yield tail


def endless(reply):
    chunk = reply * 4096
    while True:
        yield chunk


class Run:
    def __init__(self, args):
        self.args = args
        self.failures = []

    def check(self, condition, message):
        if not condition:
            self.failures.append(message)

    def play(self, chunks=None, stdin=None, stdout=subprocess.PIPE, preexec_fn=None, measure=False):
        """Starts the game, fed with the chunks if given; returns it and its start time."""
        start = time.monotonic()
        game = subprocess.Popen(
            [self.args.peak_memory, self.args.game] if measure else [self.args.game],
            stdin=subprocess.PIPE if chunks is not None else stdin,
            stdout=stdout,
            stderr=subprocess.PIPE if measure else None,
            preexec_fn=preexec_fn,
        )
        if chunks is not None:
            threading.Thread(target=feed, args=(game.stdin, chunks), daemon=True).start()
        return game, start

    def finish(self, game, start, output=None):
        try:
            if output is None and game.stdout is not None:
                output = game.stdout.read()
            game.wait(timeout=self.args.time_limit)
        except subprocess.TimeoutExpired:
            game.kill()
            game.wait()
            self.failures.append(f"the game did not end within {self.args.time_limit} s")
        seconds = time.monotonic() - start
        self.check(
            seconds <= self.args.time_limit,
            f"took {seconds:.2f} s, limit {self.args.time_limit} s",
        )
        return output, seconds

    def expect_transcript(self, output, status, name):
        with open(os.path.join(self.args.transcripts, name + ".out"), "rb") as expected:
            self.check(output == expected.read(), f"output differs from {name}.out")
        self.check(status == 0, f"exit status {status}, expected 0")

    def expect_peak_memory(self, game):
        report = game.stderr.read().decode()
        if not report.startswith("peak_kib "):
            self.failures.append(f"no memory figure: {report!r}")
            return
        peak_kib = int(report.split()[1])
        print(f"peak resident memory: {peak_kib / 1024:.1f} MiB")
        limit = self.args.memory_limit_mib
        if limit:
            self.check(peak_kib <= limit * 1024, f"peak memory above {limit} MiB")


def play_huge_reply(run, filler, tail, transcript):
    game, start = run.play(chunks=huge(filler, 64 * MIB, tail), measure=True)
    output, seconds = run.finish(game, start)
    print(f"64 MiB of {filler!r}: {seconds:.2f} s")
    run.expect_transcript(output, game.returncode, transcript)
    run.expect_peak_memory(game)


def huge_digits(run):
    """64 MiB of digits is one number past the range: ignored, then the game leaves."""
    play_huge_reply(run, b"7", b"\n1\n", "out_of_range")


def huge_blanks(run):
    """64 MiB of blanks before a choice write nothing; the choice is then played."""
    play_huge_reply(run, b" ", b"1", "end_of_input")


def stdin_null(run):
    """Standard input that is empty from the start: the game leaves at once."""
    game, start = run.play(stdin=subprocess.DEVNULL)
    output, _ = run.finish(game, start)
    run.expect_transcript(output, game.returncode, "empty_input")


def stdin_closed(run):
    """Standard input closed altogether reads as its end: the game leaves at once."""
    game, start = run.play(stdin=None, preexec_fn=lambda: os.close(0))
    output, _ = run.finish(game, start)
    run.expect_transcript(output, game.returncode, "empty_input")


def stdout_full(run):
    """Output that cannot be written ends the game, with a failing status, endless replies or not."""
    with open("/dev/full", "wb") as full:
        game, start = run.play(chunks=endless(b"2\n"), stdout=full)
        run.finish(game, start, output=b"")
    run.check(game.returncode == 1, f"exit status {game.returncode}, expected 1")


def reader_leaves(run, ignore_sigpipe):
    game, start = run.play(
        chunks=endless(b"2\n"),
        preexec_fn=(lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN)) if ignore_sigpipe else None,
    )
    first_line = game.stdout.readline()
    game.stdout.close()
    run.finish(game, start, output=first_line)
    run.check(first_line == b"Brumo\n", f"first line {first_line!r}")
    return game.returncode


def stdout_reader_leaves(run):
    """A reader that goes away ends the game through the broken pipe signal."""
    status = reader_leaves(run, ignore_sigpipe=False)
    run.check(status == -signal.SIGPIPE, f"exit status {status}, expected death by SIGPIPE")


def stdout_reader_leaves_signal_ignored(run):
    """With the broken pipe signal ignored, the failed write alone ends the game."""
    status = reader_leaves(run, ignore_sigpipe=True)
    run.check(status == 1, f"exit status {status}, expected 1")


CASES = {
    case.__name__: case
    for case in (
        huge_digits,
        huge_blanks,
        stdin_null,
        stdin_closed,
        stdout_full,
        stdout_reader_leaves,
        stdout_reader_leaves_signal_ignored,
    )
}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("case", choices=sorted(CASES))
    parser.add_argument("game")
    parser.add_argument("transcripts")
    parser.add_argument("peak_memory")
    parser.add_argument("--time-limit", type=float, default=10)
    parser.add_argument("--memory-limit-mib", type=float, default=16, help="0 for no limit")
    args = parser.parse_args()
    run = Run(args)
    CASES[args.case](run)
    for failure in run.failures:
        print(f"{args.case}: {failure}")
    return 1 if run.failures else 0


if __name__ == "__main__":
    sys.exit(main())
