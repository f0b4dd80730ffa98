#!/usr/bin/env python3
"""Plays the game in a pseudo-terminal, as a person at the keyboard does.

usage: run_terminal_case.py CASE GAME TRANSCRIPTS_DIR

Each reply is typed only once the prompt is on screen, and every expectation
has a short timeout, so a prompt left unflushed fails fast instead of hanging.
The screen shows line ends as CR LF and echoes what is typed.
"""

import os
import signal
import sys

import pexpect

PROMPT = "Wpisz numer: "
WAIT = 3  # seconds for anything the game should show at once
QUIET = 0.5  # seconds during which the game must show nothing


def screen_text(text):
    return text.replace("\n", "\r\n")


class Terminal:
    def __init__(self, game, transcripts, args=()):
        self.transcripts = transcripts
        # A job started in the background may inherit SIGINT ignored; a person's
        # terminal gives the game the default handling, so the test does too.
        self.child = pexpect.spawn(
            game,
            list(args),
            encoding="ascii",
            timeout=WAIT,
            echo=True,
            preexec_fn=lambda: signal.signal(signal.SIGINT, signal.SIG_DFL),
        )

    def transcript(self, name):
        with open(os.path.join(self.transcripts, name + ".out"), encoding="ascii") as expected:
            return expected.read()

    def expect_opening(self):
        """The screen shows the name line, the introduction, the menu and the prompt, and no more."""
        self.wait_for_prompt()
        shown = self.child.before + PROMPT
        opening = screen_text(self.transcript("leave_at_once").split(PROMPT)[0] + PROMPT)
        check(shown == opening, f"screen before the first reply: {shown!r}")

    def wait_for_prompt(self):
        self.child.expect_exact(PROMPT)

    def type(self, reply):
        self.child.send(reply + "\r")

    def ends(self):
        self.child.expect(pexpect.EOF)
        self.child.close()
        return self.child.exitstatus, self.child.signalstatus

    def leaves(self):
        """The farewell comes next, and then the game ends with status 0."""
        self.child.expect_exact("Do zobaczenia!\r\n")
        check(self.ends() == (0, None), "the game did not end with status 0")


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def greeting_first(term):
    """The name line and the introduction come first, then the menu and the prompt."""
    term.expect_opening()


def prompt_before_reply(term):
    """The prompt is on screen while the game waits, before any key is pressed."""
    term.child.expect_exact(PROMPT, timeout=WAIT)
    check(
        term.child.expect([pexpect.TIMEOUT, ".+"], timeout=QUIET) == 0,
        "the game wrote more without a reply",
    )


def rest_then_report(term):
    """A rest, then the report shows oxygen 98 and full health."""
    term.wait_for_prompt()
    term.type("2")
    term.child.expect_exact("Brumo odpoczywa. 2% tlenu\r\n\r\n")
    term.wait_for_prompt()
    term.type("1")
    term.child.expect_exact("Zycie: 10/10\r\natak: 2\r\nTlen: 98%\r\nMetal: 0/50\r\n")
    term.wait_for_prompt()
    term.type("0")
    term.leaves()


def blank_line_waits(term):
    """A blank line typed at the prompt writes nothing; the game still waits for a number."""
    term.wait_for_prompt()
    term.type("")
    term.type("   ")
    check(term.child.expect([pexpect.TIMEOUT, PROMPT], timeout=QUIET) == 0, "the menu came back")
    check(term.child.before.strip(" \r\n") == "", f"the game wrote {term.child.before!r}")
    term.type("1")
    term.child.expect_exact("stan gracza\r\n")
    term.wait_for_prompt()
    check(term.child.isalive(), "the game ended")


def ctrl_d_leaves(term):
    """Ctrl-D at the prompt ends the game with the farewell and status 0."""
    term.wait_for_prompt()
    term.child.sendeof()
    term.leaves()


def ctrl_c_interrupts(term):
    """Ctrl-C at the prompt ends the game by the default handling of SIGINT."""
    term.wait_for_prompt()
    term.child.sendintr()
    status = term.ends()
    check(status == (None, signal.SIGINT), f"exit status and signal {status}")


def zero_ends_at_once(term):
    """Choice 0 ends the game at once, without waiting for another key."""
    term.wait_for_prompt()
    term.type("0")
    term.leaves()


def arguments_change_nothing(term):
    """Arguments on the command line change nothing: the screen is that of a plain game."""
    term.expect_opening()
    term.type("0")
    term.child.expect(pexpect.EOF)
    check(term.child.before == "0\r\nDo zobaczenia!\r\n", f"screen: {term.child.before!r}")
    check(term.ends() == (0, None), "the game did not end with status 0")


CASES = {
    case.__name__: case
    for case in (
        greeting_first,
        prompt_before_reply,
        rest_then_report,
        blank_line_waits,
        ctrl_d_leaves,
        ctrl_c_interrupts,
        zero_ends_at_once,
        arguments_change_nothing,
    )
}

ARGUMENTS = {"arguments_change_nothing": ("--help", "-v", "0", "Zorv", "")}


def main():
    name, game, transcripts = sys.argv[1:4]
    term = Terminal(game, transcripts, ARGUMENTS.get(name, ()))
    try:
        CASES[name](term)
    except (AssertionError, pexpect.TIMEOUT, pexpect.EOF) as failure:
        print(f"{name}: {type(failure).__name__}: {failure}")
        print(f"last screen text: {term.child.before!r}")
        return 1
    finally:
        term.child.close(force=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
