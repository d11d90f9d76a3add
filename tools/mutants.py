#!/usr/bin/env python3
"""Measures how many small faults the test suite catches.

A mutant is one small change to one line of engine/, text/ or model/: an
arithmetic, comparison or logical operator swapped, a numeric constant moved,
true and false exchanged.  `sample` draws a fixed random sample of them (the
same seed always gives the same sample); `run` makes each mutant in turn,
rebuilds incrementally, runs every test program once and records which
tests failed.  A
mutant is killed when a test fails or the suite does not finish in time;
stillborn when the program no longer compiles (it does not count).

A mutant names its line by the line's text, so the same sample can be run
again after code has moved; --renames gives names changed since, --moved
the new place of a mutant whose line was rewritten. A mutant whose line is
gone is reported as such.

    tools/mutants.py sample --seed 21 --count 260 > mutants.tsv
    tools/mutants.py run --build build-mut mutants.tsv results.tsv
    tools/mutants.py summary results.tsv
"""
import argparse
import concurrent.futures
import csv
import os
import random
import re
import subprocess
import sys
import time

FOLDERS = ("engine", "text", "model")
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (pattern, replacement) pairs; operators must stand between blanks so that
# templates, pointers, includes and unary signs are left alone.
OPERATOR_SWAPS = [
    (" + ", " - "), (" - ", " + "), (" * ", " / "), (" / ", " * "),
    (" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "),
    (" == ", " != "), (" != ", " == "), (" && ", " || "), (" || ", " && "),
    (" += ", " -= "), (" -= ", " += "),
]
WORD_SWAPS = [("true", "false"), ("false", "true")]
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*(?:[eE][-+]?\d+)?|\d+(?:[eE][-+]?\d+)?)(?![\w.])")


def code_part(line):
    """The line with string and character literals blanked and comments cut."""
    out, i, quote = [], 0, None
    while i < len(line):
        ch = line[i]
        if quote:
            if ch == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if ch != quote else ch)
            if ch == quote:
                quote = None
        elif ch in "\"'":
            quote = ch
            out.append(ch)
        elif line.startswith("//", i):
            break
        else:
            out.append(ch)
        i += 1
    return "".join(out)


def moved_number(text):
    if "." in text or "e" in text or "E" in text:
        value = float(text)
        return repr(value * 2 if value != 0 else 1.0)
    return str(int(text) + 1)


def sites(path):
    """Every mutant of one source file: (line number, column, old, new)."""
    found = []
    in_block_comment = False
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            stripped = line.strip()
            if in_block_comment:
                in_block_comment = "*/" not in stripped
                continue
            if stripped.startswith("/*"):
                in_block_comment = "*/" not in stripped
                continue
            if not stripped or stripped.startswith(("#", "//", "static_assert")):
                continue
            code = code_part(line.rstrip("\n"))
            for old, new in OPERATOR_SWAPS:
                start = code.find(old)
                while start >= 0:
                    # " < " inside " <= " or " << " is another operator.
                    found.append((number, start, old, new))
                    start = code.find(old, start + 1)
            for old, new in WORD_SWAPS:
                for match in re.finditer(r"\b%s\b" % old, code):
                    found.append((number, match.start(), old, new))
            for match in NUMBER.finditer(code):
                found.append((number, match.start(), match.group(1), moved_number(match.group(1))))
    return found


def source_files(root):
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if name.endswith(".cpp"):
                yield os.path.join(folder, name)


def sample(args):
    candidates = []
    for relative in source_files(args.root):
        path = os.path.join(args.root, relative)
        lines = open(path, encoding="utf-8").read().split("\n")
        for number, column, old, new in sites(path):
            candidates.append((relative, number, column, old, new, lines[number - 1]))
    chosen = random.Random(args.seed).sample(candidates, args.count)
    writer = csv.writer(sys.stdout, delimiter="\t", lineterminator="\n")
    writer.writerow(["id", "file", "line", "column", "old", "new", "text"])
    for index, (relative, number, column, old, new, text) in enumerate(chosen, 1):
        writer.writerow([index, relative, number, column, old, new, text])
    print(f"{len(candidates)} candidate mutants, {args.count} drawn", file=sys.stderr)


def read_table(path):
    """The rows of a tab-separated table with a header line; none without a path."""
    if not path:
        return []
    with open(path) as table:
        return list(csv.DictReader(table, delimiter="\t"))


def placed_mutants(args):
    """The sample with the --moved rows put in place of their mutants."""
    moved = {row["id"]: row for row in read_table(args.moved)}
    return [dict(mutant, **moved.get(mutant["id"], {})) for mutant in read_table(args.mutants)]


def read_renames(path):
    """Pairs of old and new text, one per line separated by a tab."""
    if not path:
        return []
    with open(path, encoding="utf-8") as table:
        return [tuple(line.rstrip("\n").split("\t")) for line in table if "\t" in line]


def renamed(text, renames):
    for old, new in renames:
        text = text.replace(old, new)
    return text


def locate(root, mutant, renames):
    """The file, line index and column that now hold the mutant, or None.

    The line is looked for as it was, then with the renames applied (a name
    changed by a reshaping leaves the mutated expression as it was)."""
    text, column = mutant["text"], int(mutant["column"])
    candidates = [(text, column)]
    if renames:
        candidates.append((renamed(text, renames), len(renamed(text[:column], renames))))
    preferred = [mutant["file"]] + [f for f in source_files(root) if f != mutant["file"]]
    for wanted, wanted_column in candidates:
        for relative in preferred:
            path = os.path.join(root, relative)
            if not os.path.exists(path):
                continue
            lines = open(path, encoding="utf-8").read().split("\n")
            matches = [i for i, line in enumerate(lines) if line == wanted]
            if matches:
                near = int(mutant["line"]) - 1
                return relative, min(matches, key=lambda i: abs(i - near)), wanted_column
    return None


def one_program(root, build, name, timeout):
    """Runs one test program of the build; returns the names of its failed tests."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    if name == "ui_tests":
        screens = os.path.join(root, "tests", "ui", "screens.json")
        env["QT_QPA_PLATFORM"] = "offscreen:configfile=" + screens
    try:
        done = subprocess.run([os.path.join(build, "bin", name)], env=env, cwd=build,
                              capture_output=True, text=True, errors="replace", timeout=timeout)
    except subprocess.TimeoutExpired:
        return [name + " (did not finish)"]
    if done.returncode == 0:
        return []
    # GoogleTest lists "[  FAILED  ] Suite.Case", Qt Test "FAIL!  : Class::function()".
    pattern = r"^FAIL!\s+:\s+(\S+)" if name == "ui_tests" else r"^\[  FAILED  \] (\w[\w/]*\.[\w/.]+)"
    failed = sorted(set(re.findall(pattern, done.stdout, re.MULTILINE)))
    return failed or [f"{name} (exit status {done.returncode})"]


def failed_tests(root, build, timeout):
    """Runs every test program once (two at a time); returns the failed tests."""
    names = sorted(n for n in os.listdir(os.path.join(build, "bin")) if n.endswith("_tests"))
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        results = pool.map(lambda name: one_program(root, build, name, timeout), names)
    return [test for failed in results for test in failed]


def run(args):
    mutants = placed_mutants(args)
    renames = read_renames(args.renames)
    done = {row["id"] for row in read_table(args.results)} if os.path.exists(args.results) else set()
    fresh = not os.path.exists(args.results)
    with open(args.results, "a") as out:
        writer = csv.writer(out, delimiter="\t", lineterminator="\n")
        if fresh:
            writer.writerow(["id", "file", "line", "old", "new", "status", "failed", "seconds"])
        for mutant in mutants:
            if mutant["id"] in done:
                continue
            started = time.time()
            place = locate(args.root, mutant, renames)
            if place is None:
                writer.writerow([mutant["id"], mutant["file"], mutant["line"], mutant["old"],
                                 mutant["new"], "gone", "", 0])
                out.flush()
                continue
            relative, index, column = place
            path = os.path.join(args.root, relative)
            original = open(path, encoding="utf-8").read()
            lines = original.split("\n")
            text = lines[index]
            if text[column:column + len(mutant["old"])] != mutant["old"]:
                raise SystemExit(f"mutant {mutant['id']}: {mutant['old']!r} not at its column")
            lines[index] = text[:column] + mutant["new"] + text[column + len(mutant["old"]):]
            try:
                with open(path, "w", encoding="utf-8") as source:
                    source.write("\n".join(lines))
                build = subprocess.run(["cmake", "--build", args.build, "--parallel",
                                        str(os.cpu_count() or 1)],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                if build.returncode != 0:
                    status, failed = "stillborn", []
                else:
                    failed = failed_tests(args.root, args.build, args.timeout)
                    status = "killed" if failed else "survived"
            finally:
                with open(path, "w", encoding="utf-8") as source:
                    source.write(original)
            writer.writerow([mutant["id"], relative, index + 1, mutant["old"], mutant["new"],
                             status, " ".join(failed), round(time.time() - started)])
            out.flush()
            print(f"{mutant['id']} {relative}:{index + 1} {mutant['old']!r}->{mutant['new']!r} "
                  f"{status} {len(failed)}", flush=True)
    # Leave the build matching the unmutated sources.
    subprocess.run(["cmake", "--build", args.build], stdout=subprocess.DEVNULL)


def check(args):
    """Lists the mutants whose line cannot be found in the tree (before a run)."""
    renames = read_renames(args.renames)
    for mutant in placed_mutants(args):
        place = locate(args.root, mutant, renames)
        if place is None:
            print(f"gone {mutant['id']}: {mutant['file']}:{mutant['line']} {mutant['text'].strip()}")
            continue
        relative, index, column = place
        line = open(os.path.join(args.root, relative), encoding="utf-8").read().split("\n")[index]
        if line[column:column + len(mutant["old"])] != mutant["old"]:
            print(f"misplaced {mutant['id']}: {relative}:{index + 1}")


def summary(args):
    rows = read_table(args.results)
    counts = {}
    for row in rows:
        counts[row["status"]] = counts.get(row["status"], 0) + 1
    valid = counts.get("killed", 0) + counts.get("survived", 0)
    print(" ".join(f"{key} {value}" for key, value in sorted(counts.items())))
    if valid:
        print(f"kill rate {counts.get('killed', 0)}/{valid} = {100.0 * counts.get('killed', 0) / valid:.1f} %")
    for row in rows:
        if row["status"] == "survived":
            print(f"survived {row['id']}: {row['file']}:{row['line']} {row['old']!r} -> {row['new']!r}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--root", default=ROOT)
    commands = parser.add_subparsers(dest="command", required=True)
    drawing = commands.add_parser("sample")
    drawing.add_argument("--seed", type=int, default=21)
    drawing.add_argument("--count", type=int, default=260)
    running = commands.add_parser("run")
    running.add_argument("--build", required=True)
    running.add_argument("--timeout", type=int, default=300,
                         help="seconds one test program may take")
    running.add_argument("--renames", help="old and new names, tab-separated, one pair per line")
    running.add_argument("--moved", help="mutants whose line was rewritten: id, file, line, column, text")
    running.add_argument("mutants")
    running.add_argument("results")
    checking = commands.add_parser("check")
    checking.add_argument("--renames")
    checking.add_argument("--moved")
    checking.add_argument("mutants")
    summing = commands.add_parser("summary")
    summing.add_argument("results")
    args = parser.parse_args()
    {"sample": sample, "run": run, "check": check, "summary": summary}[args.command](args)


if __name__ == "__main__":
    main()
