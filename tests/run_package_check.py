#!/usr/bin/env python3
"""Builds the Debian package, unpacks it and plays the unpacked game.

usage: run_package_check.py CPACK BUILD_DIR TRANSCRIPTS_DIR
"""

import glob
import os
import re
import subprocess
import sys
import tempfile


# The Debian packages that hold the libraries the game may be linked with.
PACKAGE_OF_LIBRARY = {
    "libc.so.6": "libc6",
    "ld-linux-x86-64.so.2": "libc6",
    "libm.so.6": "libc6",
    "libstdc++.so.6": "libstdc++6",
    "libgcc_s.so.1": "libgcc-s1",
}


def needed_libraries(program):
    dynamic = subprocess.run(
        ["readelf", "--dynamic", program], check=True, capture_output=True, text=True
    ).stdout
    return re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]", dynamic)


def main():
    cpack, build, transcripts = sys.argv[1:4]
    failures = []
    with tempfile.TemporaryDirectory() as work:
        subprocess.run(
            [cpack, "--config", os.path.join(build, "CPackConfig.cmake"), "-B", work],
            check=True,
            capture_output=True,
        )
        packages = glob.glob(os.path.join(work, "rozbitek_*.deb"))
        if len(packages) != 1:
            print(f"expected one package, found {packages}")
            return 1
        package = packages[0]

        def field(name):
            return subprocess.run(
                ["dpkg-deb", "--field", package, name], check=True, capture_output=True, text=True
            ).stdout.strip()

        if field("Package") != "rozbitek":
            failures.append(f"package name {field('Package')!r}")
        if field("Section") != "games":
            failures.append(f"section {field('Section')!r}")
        for needed in ("Version", "Maintainer", "Description"):
            if not field(needed):
                failures.append(f"no {needed} field")
        if "\n" not in field("Description"):
            failures.append("no long description")
        depends = [entry.split()[0] for entry in field("Depends").split(",") if entry.strip()]

        root = os.path.join(work, "root")
        subprocess.run(["dpkg-deb", "--extract", package, root], check=True)
        game = os.path.join(root, "usr/bin/rozbitek")
        manual = os.path.join(root, "usr/share/man/man6/rozbitek.6")
        for path in (game, manual):
            if not os.path.isfile(path):
                failures.append(f"missing {os.path.relpath(path, root)}")
        if os.path.isfile(game):
            for library in needed_libraries(game):
                package_name = PACKAGE_OF_LIBRARY.get(library)
                if package_name not in depends:
                    failures.append(f"the game needs {library}, Depends is {depends}")
            played = subprocess.run([game], input=b"2\n1\n0\n", capture_output=True, timeout=10)
            with open(os.path.join(transcripts, "rest_then_report.out"), "rb") as expected:
                if played.stdout != expected.read() or played.returncode != 0:
                    failures.append("the unpacked game does not play as rest_then_report.out says")

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
