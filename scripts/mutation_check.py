#!/usr/bin/env python3
"""Mutation check: how many small faults put into the code do the tests catch?

Picks COUNT places at random (the same places for the same tree and seed)
where one operator or constant can be turned into another, puts each fault
in, rebuilds the headless test programs and runs them. A fault is caught
when a test program fails or does not finish; a fault that does not build
is left out of the score. The source file is put back after every fault.

usage: scripts/mutation_check.py BUILD_DIR [COUNT] [SEED]
The build folder must be configured already (the headless test programs
are built in it).
"""
import pathlib
import random
import re
import resource
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ["core/lsystem", "core/derive", "core/turtle", "settings", "platform", "app"]
TESTS = ["platform_tests", "settings_tests", "lsystem_tests", "derive_tests", "turtle_tests", "app_tests", "cli_tests"]
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
        for path in sorted((ROOT / "src" / folder).glob("*.cpp")):
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
        for test in tests:
            try:
                run = subprocess.run([f"{build}/tests/{test}", "--gtest_brief=1"], capture_output=True, timeout=300,
                                     preexec_fn=limit_memory)
            except subprocess.TimeoutExpired:
                return True
            if run.returncode != 0:
                return True
        return False
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
