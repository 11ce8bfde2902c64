#!/usr/bin/env python3
"""Mutation check: how many small faults put into the code do the tests catch?

Picks COUNT places at random (the same places for the same tree and seed)
where one operator or constant can be turned into another, in any source
file or header of every library and program, puts each fault in, rebuilds
every test program and runs them all (the window tests under xvfb-run). A
fault is caught when a test program fails or does not finish; a fault that
does not build is left out of the score. The source file is put back after
every fault. Each test program runs in a process group of its own, killed
whole when it runs out of time, and in a temporary folder of its own that
is removed afterwards, so a killed run leaves no process and no file.

usage: scripts/mutation_check.py BUILD_DIR [COUNT] [SEED]
The build folder must be configured already (the test programs are built
in it).
"""
import os
import pathlib
import random
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ["core/lsystem", "core/derive", "core/turtle", "settings", "platform", "platform/qt", "platform/gl", "app",
           "views", "views/offscreen", "ui", "cli"]
TESTS = ["platform_tests", "settings_tests", "lsystem_tests", "derive_tests", "turtle_tests", "app_tests", "cli_tests",
         "platform_qt_tests", "views_tests", "views_offscreen_tests", "ui_tests"]
# The window tests need a display.
ON_DISPLAY = {"ui_tests"}
TIMEOUT_SECONDS = 300
SWAPS = [(" == ", " != "), (" != ", " == "), (" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "),
         (" && ", " || "), (" || ", " && "), (" + 1", " - 1"), (" - 1", " + 1"), ("true", "false"), ("false", "true")]


def code_lines(path):
    """Lines worth mutating: not comments, includes, asserts or string-only lines."""
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines()):
        text = line.strip()
        if text and not text.startswith(("//", "#", "*", "/*")) and '"' not in text:
            yield number, line


def sites():
    found = []
    for folder in FOLDERS:
        for path in sorted([*(ROOT / "src" / folder).glob("*.cpp"), *(ROOT / "src" / folder).glob("*.h")]):
            for number, line in code_lines(path):
                for old, new in SWAPS:
                    for match in re.finditer(re.escape(old), line):
                        found.append((path, number, match.start(), old, new))
    return found


def limit_memory():
    """A fault that makes a test run away in memory fails it within 4 GB."""
    resource.setrlimit(resource.RLIMIT_AS, (4 << 30, 4 << 30))


def test_programs(build):
    """The headless test programs this tree has (older trees have fewer)."""
    known = subprocess.run(["cmake", "--build", build, "--target", "help"], capture_output=True, text=True).stdout
    return [test for test in TESTS if f" {test}:" in known or f"{test}:" in known.split()]


def fails(build, test):
    """Whether one test program fails or runs out of time. It runs in a
    session (and so a process group) of its own with a temporary folder of
    its own; both go when it ends, however it ends."""
    command = [f"{build}/tests/{test}", "--gtest_brief=1"]
    if test in ON_DISPLAY:
        command = ["xvfb-run", "-a", *command]
    folder = tempfile.mkdtemp(prefix="sprig-mutant-")
    environment = dict(os.environ, TMPDIR=folder, QT_QPA_PLATFORM="xcb" if test in ON_DISPLAY else "offscreen")
    run = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=environment,
                           start_new_session=True, preexec_fn=limit_memory)
    try:
        return run.wait(timeout=TIMEOUT_SECONDS) != 0
    except subprocess.TimeoutExpired:
        return True
    finally:
        try:
            os.killpg(run.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        run.wait()
        shutil.rmtree(folder, ignore_errors=True)


def caught(build, tests, path, number, column, old, new):
    """None when the fault does not build, else whether a test program fails."""
    original = path.read_text(encoding="utf-8")
    lines = original.splitlines(keepends=True)
    line = lines[number]
    lines[number] = line[:column] + new + line[column + len(old):]
    try:
        path.write_text("".join(lines), encoding="utf-8")
        built = subprocess.run(["cmake", "--build", build, "--target", *tests], capture_output=True)
        if built.returncode != 0:
            return None
        return any(fails(build, test) for test in tests)
    finally:
        path.write_text(original, encoding="utf-8")


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    tests = test_programs(build)
    chosen = random.Random(seed).sample(sites(), count)
    killed = viable = 0
    for path, number, column, old, new in chosen:
        result = caught(build, tests, path, number, column, old, new)
        where = f"{path.relative_to(ROOT)}:{number + 1}: '{old.strip()}' -> '{new.strip()}'"
        if result is None:
            print(f"not built  {where}", flush=True)
            continue
        viable += 1
        killed += result
        print(f"{'caught' if result else 'MISSED'}     {where}", flush=True)
    subprocess.run(["cmake", "--build", build, "--target", *tests], capture_output=True)
    print(f"test programs: {' '.join(tests)}")
    print(f"mutation score: {killed} of {viable} faults caught ({100 * killed / max(viable, 1):.0f} %)")


if __name__ == "__main__":
    main()
