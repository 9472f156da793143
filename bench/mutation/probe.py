#!/usr/bin/env python3
"""Mutation probe: how many small faults planted in src/ does the unit suite catch?

Each mutant is one change at one point of a private copy of the source tree, built
incrementally in that copy's own build folder and run against `ctest -L unit`. The working
tree and its build folders are never written. See docs/mutation-probe.md.
"""

import argparse
import os
import re
import random
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
WORK = ROOT / "build" / "mutation"
COPY = WORK / "tree"
# The copy's own build folder, configured by the main preset: the same options as the main
# test pass and, seen from the copy, the same relative paths, so ccache serves unchanged files.
BUILD = COPY / "build" / "test"
# But unoptimized, without debug information, linked by gold and with the layers as shared
# libraries that the test programs are not relinked against when one changes: a mutant's cost
# is then one file's compilation and one library's link, not the relinking of every unit test
# program. What the tests see does not depend on any of these.
QUICK_BUILD = ["-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
               "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold", "-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=gold",
               "-DVELLORAN_SHARED_LAYERS=ON", "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"]
# Mutants that cannot change what the program does, each with why: not built, and counted
# neither way.
EQUIVALENT = Path(__file__).resolve().parent / "equivalent.txt"
# Mutants in code that only another build compiles (the sanitizer build's leak check): they do
# change what that build does, so they are not equivalent, but the unit build cannot reach them.
# Not built either, and counted on a line of their own.
OUT_OF_REACH = Path(__file__).resolve().parent / "out-of-reach.txt"

GEOMETRY_CALLS = (
    "setGeometry", "resize", "move", "setFixedSize", "setFixedWidth", "setFixedHeight",
    "setMinimumSize", "setMaximumSize", "setContentsMargins", "adjusted", "translated",
    "QRect", "QRectF", "QSize", "QSizeF", "QPoint", "QPointF", "QMargins", "drawRect",
    "drawLine", "fillRect", "setLineWidth", "setSpacing", "scaled",
)
COLOUR_CALLS = ("QColor", "qRgb", "qRgba")
COMPARISONS = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", "<=": ">", ">": "<="}
LOGICAL = {"&&": "||", "||": "&&"}
NOT_CALLS = {"if", "for", "while", "switch", "return", "sizeof", "delete", "Q_UNUSED",
             "Q_ASSERT", "Q_OBJECT", "static_assert", "qDebug", "qWarning"}


@dataclass
class Mutant:
    path: str  # relative to the root
    line: int  # 1-based
    operator: str
    before: str  # the whole line before
    after: str  # the whole line after, or None when the line is dropped
    windows_only: bool = False  # inside a block that only the Windows build compiles

    def change(self):
        if self.after is None:
            return f"dropped `{self.before.strip()}`"
        old, new = self.before.strip(), self.after.strip()
        # Trim the common ends so the change itself shows.
        start = 0
        while start < min(len(old), len(new)) and old[start] == new[start]:
            start += 1
        end = 0
        while end < min(len(old), len(new)) - start and old[-1 - end] == new[-1 - end]:
            end += 1
        start = max(0, start - 20)
        end = max(0, end - 20)
        cut = lambda s: ("…" if start else "") + s[start:len(s) - end] + ("…" if end else "")
        return f"`{cut(old)}` → `{cut(new)}`"

    def key(self):
        """The mutant as the equivalents file names it: place by text, not by line number."""
        after = "(dropped)" if self.after is None else self.after.strip()
        return (self.path, self.before.strip(), after)


def listed_mutants(listing):
    """key -> why, from a listing: blocks of path, line before, line after, why."""
    known = {}
    blocks = listing.read_text(encoding="utf-8").split("\n\n")
    for block in blocks:
        lines = [line for line in block.split("\n") if line and not line.startswith("#")]
        if not lines:
            continue
        if len(lines) != 4:
            raise SystemExit(f"{listing}: a block needs path, before, after and why: {lines}")
        path, before, after, why = (line.strip() for line in lines)
        known[(path, before, after)] = why
    return known


def masked_lines(text):
    """The lines with comments, string and character literals blanked, positions kept."""
    out = []
    in_block = False
    for line in text.split("\n"):
        chars = list(line)
        i = 0
        quote = None
        while i < len(chars):
            c = chars[i]
            if in_block:
                if line.startswith("*/", i):
                    chars[i] = chars[i + 1] = " "
                    in_block = False
                    i += 2
                    continue
                chars[i] = " "
            elif quote:
                if c == "\\":
                    chars[i] = " "
                    if i + 1 < len(chars):
                        chars[i + 1] = " "
                    i += 2
                    continue
                if c == quote:
                    quote = None
                else:
                    chars[i] = " "
            elif line.startswith("//", i):
                for j in range(i, len(chars)):
                    chars[j] = " "
                break
            elif line.startswith("/*", i):
                chars[i] = chars[i + 1] = " "
                in_block = True
                i += 2
                continue
            elif c in "\"'":
                # A digit separator (1'000) is no quote.
                if not (c == "'" and i > 0 and chars[i - 1].isalnum()):
                    quote = c
            i += 1
        out.append("".join(chars))
    return out


def call_spans(masked, names):
    """(start, end) of the argument lists of calls to the given names on one line."""
    spans = []
    for match in re.finditer(r"\b(?:Twips::)?(\w+)\s*\(", masked):
        if match.group(1) not in names and not masked[match.start():].startswith("Twips::"):
            continue
        depth = 0
        for j in range(match.end() - 1, len(masked)):
            if masked[j] == "(":
                depth += 1
            elif masked[j] == ")":
                depth -= 1
                if depth == 0:
                    spans.append((match.start(), j, masked[match.start():].startswith("Twips::")))
                    break
        else:
            spans.append((match.start(), len(masked), masked[match.start():].startswith("Twips::")))
    return spans


def replace_at(line, start, end, text):
    return line[:start] + text + line[end:]


def lone_call(code):
    """Whether a trimmed line is one call statement and nothing else."""
    match = re.fullmatch(r"((?:[A-Za-z_]\w*(?:::|\.|->))*)([A-Za-z_]\w*)\s*\((.*)\);", code)
    if not match or match.group(2) in NOT_CALLS or code.split("(")[0].strip() in NOT_CALLS:
        return False
    depth = 0
    for c in match.group(3):
        depth += {"(": 1, ")": -1}.get(c, 0)
        if depth < 0:
            return False
    return depth == 0 and " = " not in code


def candidates_of(path, text):
    lines = text.split("\n")
    masked = masked_lines(text)
    found = []
    previous_end = ";"
    branches = []  # of each open #if: "windows", "other platforms" or "any"
    for number, (line, code) in enumerate(zip(lines, masked), start=1):
        stripped = code.strip()
        directive = re.match(r"#\s*(\w+)\s*(\w*)", stripped)
        if directive:
            word, name = directive.groups()
            if word in ("if", "ifdef", "ifndef"):
                windows = name == "Q_OS_WIN" and word != "if"
                branches.append(("windows" if word == "ifdef" else "other platforms")
                                if windows else "any")
            elif word in ("else", "elif") and branches:
                flipped = {"windows": "other platforms", "other platforms": "windows"}
                branches[-1] = flipped.get(branches[-1], "any") if word == "else" else "any"
            elif word == "endif" and branches:
                branches.pop()
        windows_only = "windows" in branches
        add = lambda op, after: found.append(Mutant(path, number, op, line, after, windows_only))
        if not stripped or stripped.startswith("#"):
            continue
        for match in re.finditer(r"(?<=\s)(==|!=|<=|>=|<|>)(?=\s)", code):
            op = match.group(1)
            add("comparison", replace_at(line, match.start(), match.end(), COMPARISONS[op]))
        for match in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s)", code):
            add("logical", replace_at(line, match.start(), match.end(), LOGICAL[match.group(1)]))
        for match in re.finditer(r"\breturn (true|false);", code):
            flipped = "false" if match.group(1) == "true" else "true"
            add("return-bool", replace_at(line, match.start(1), match.end(1), flipped))
        for match in re.finditer(r"(?<=\s)([+-]) 1(?![\w.'])", code):
            add("plus-minus-one", replace_at(line, match.start(1), match.end(1),
                                             "-" if match.group(1) == "+" else "+"))
        spans = call_spans(code, GEOMETRY_CALLS)
        colours = call_spans(code, COLOUR_CALLS)
        twips_constant = re.search(r"\w*Twips\w*\s*=\s*\d", code)
        for match in re.finditer(r"(?<![\w.])(\d+)(?![\w.'])", code):
            value = int(match.group(1))
            inside = [s for s in spans if s[0] < match.start() < s[1]]
            if any(s[2] for s in inside) or (twips_constant and match.start() > twips_constant.start()):
                add("twips", replace_at(line, match.start(), match.end(), str(value + 150)))
            elif inside:
                add("pixels", replace_at(line, match.start(), match.end(), str(value + 10)))
            elif any(s[0] < match.start() < s[1] for s in colours) or "QColor " in code:
                continue  # a shade one step off is no fault anyone could see
            elif re.search(r"\)(\s*const)?\s*=\s*$", code[:match.start()]):
                continue  # a pure virtual function's "= 0"
            elif value <= 9 and "[" not in code[:match.start()][-3:]:
                add("count", replace_at(line, match.start(), match.end(), str(value + 1)))
        if path.endswith(".cpp") and previous_end in ";{}" and lone_call(stripped):
            add("drop-call", None)
        previous_end = stripped[-1]
    return found


def source_files():
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "--", "src"],
                            cwd=ROOT, check=True, capture_output=True, text=True).stdout.split()
    # main.cpp goes into the program alone, which no unit test runs.
    return sorted(p for p in listed if p.endswith((".cpp", ".h")) and (ROOT / p).exists()
                  and p != "src/main.cpp")


def all_candidates(only):
    result = []
    for path in source_files():
        if only and not any(path == o or path.startswith(o.rstrip("/") + "/") for o in only):
            continue
        result += candidates_of(path, (ROOT / path).read_text(encoding="utf-8"))
    return result


def refresh_copy():
    """Brings the copy level with the working tree; unchanged files keep their times."""
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                            check=True, capture_output=True, text=True).stdout.split("\n")
    wanted = {p for p in listed if p and (ROOT / p).is_file()}
    for path in sorted(wanted):
        source, target = ROOT / path, COPY / path
        data = source.read_bytes()
        if not target.is_file() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            os.chmod(target, source.stat().st_mode & 0o777)
    for target in COPY.rglob("*"):
        relative = target.relative_to(COPY).as_posix()
        if relative.startswith("build/") or relative == "build" or not target.is_file():
            continue
        if relative not in wanted:
            target.unlink()


def unit_targets():
    return sorted(p.stem for p in (COPY / "tests" / "unit").glob("tst_*.cpp"))


CHILD = None  # the build or test run under way, in a process group of its own


def run(command, **options):
    """Runs a command that a signal to the probe ends too: (exit code, standard output)."""
    global CHILD
    CHILD = subprocess.Popen(command, start_new_session=True, **options)
    output, _ = CHILD.communicate()
    code, CHILD = CHILD.returncode, None
    return code, output


def build(log):
    command = ["nice", "cmake", "--build", str(BUILD), "--parallel", str(ARGS.jobs), "--target",
               *unit_targets()]
    return run(command, stdout=log, stderr=subprocess.STDOUT)[0] == 0


def run_unit_suite(log):
    """None when every unit test passes, else the first test that failed or hung."""
    command = ["nice", "ctest", "--test-dir", str(BUILD), "-L", "unit", "--stop-on-failure",
               "--parallel", str(ARGS.jobs), "--timeout", str(ARGS.timeout)]
    code, output = run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    log.write(output)
    if code == 0:
        return None
    failed = re.findall(r"^\s*\d+ - (\S+) \((.*)\)$", output, re.M)
    if not failed:
        return "ctest (exit %d)" % code
    return ", ".join(f"{name}" + (f" ({why})" if why != "Failed" else "") for name, why in failed)


STARTED = None
MUTATED = {}  # path in the copy -> original bytes, while a mutant is in place
TALLY = {"killed": 0, "survived": 0, "did not compile": 0, "equivalent": 0, "out of reach": 0}


def restore():
    for target, data in list(MUTATED.items()):
        target.write_bytes(data)
        del MUTATED[target]


def summary(seed, started):
    killed, survived, broken = TALLY["killed"], TALLY["survived"], TALLY["did not compile"]
    equivalent, unreached = TALLY["equivalent"], TALLY["out of reach"]
    compiled = killed + survived
    score = 100.0 * killed / compiled if compiled else 0.0
    return (f"seed {seed}: {compiled + broken + equivalent + unreached} mutants, {equivalent} "
            f"equivalent, {compiled} compiled, {killed} killed, {survived} survived, {broken} did "
            f"not compile: score {score:.0f} % ({killed}/{compiled}) in "
            f"{time.monotonic() - started:.0f} s\n"
            f"seed {seed}: {unreached} out of reach of the unit build (not built, not in the score)")


def on_signal(number, _frame):
    if CHILD is not None:
        os.killpg(CHILD.pid, signal.SIGTERM)
    restore()
    if STARTED is not None:
        print("stopped early; " + summary(ARGS.seed, STARTED), flush=True)
    sys.exit(128 + number)


def verdict_of(mutant, listed):
    """(verdict, why) for a mutant that is not built; None for one that is."""
    if mutant.windows_only:
        return ("out of reach", "compiled into the Windows build alone")
    return listed.get(mutant.key())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--list", action="store_true", help="show the candidates and stop")
    parser.add_argument("--only", action="append", default=[], metavar="PATH",
                        help="mutate only this file or folder (repeatable)")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=120, help="seconds a test may take")
    global ARGS, STARTED
    ARGS = parser.parse_args()

    candidates = all_candidates(ARGS.only)
    # key -> (verdict, why), for the mutants that are not built.
    listings = ((EQUIVALENT, "equivalent"), (OUT_OF_REACH, "out of reach"))
    listed = {key: (verdict, why) for listing, verdict in listings
              for key, why in listed_mutants(listing).items()}
    if ARGS.list:
        for index, mutant in enumerate(candidates):
            mark = f"  ({verdict_of(mutant, listed)[0]})" if verdict_of(mutant, listed) else ""
            print(f"{index:5} {mutant.path}:{mutant.line} {mutant.operator} {mutant.change()}{mark}")
        counts = {}
        for mutant in candidates:
            counts[mutant.operator] = counts.get(mutant.operator, 0) + 1
        print(f"{len(candidates)} candidates:", ", ".join(f"{k} {v}" for k, v in sorted(counts.items())))
        return 0
    chosen = random.Random(ARGS.seed).sample(candidates, min(ARGS.count, len(candidates)))
    if not ARGS.only:
        # A block whose line has changed since would otherwise go unnoticed.
        for listing, _ in listings:
            for path, before, after in set(listed_mutants(listing)) - {m.key() for m in candidates}:
                print(f"{listing.name}: no candidate is {path}: `{before}` → `{after}`", flush=True)

    for number in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(number, on_signal)
    WORK.mkdir(parents=True, exist_ok=True)
    COPY.mkdir(parents=True, exist_ok=True)
    refresh_copy()
    log_path = WORK / "probe.log"
    with open(log_path, "w", encoding="utf-8") as log:
        # Every time, so that a copy configured otherwise before is brought to these options.
        subprocess.run(["cmake", "--preset", "main", *QUICK_BUILD], cwd=COPY, stdout=log,
                       stderr=subprocess.STDOUT, check=True)
        started = time.monotonic()
        if not build(log) or run_unit_suite(log) is not None:
            print(f"The unmutated copy does not build or pass its unit tests: see {log_path}")
            return 2
        print(f"seed {ARGS.seed}, {len(chosen)} of {len(candidates)} candidates; unmutated "
              f"build and suite {time.monotonic() - started:.0f} s", flush=True)

        STARTED = started
        try:
            for index, mutant in enumerate(chosen, start=1):
                begun = time.monotonic()
                if verdict_of(mutant, listed):
                    verdict, why = verdict_of(mutant, listed)
                    TALLY[verdict] += 1
                    print(f"{index:3} {mutant.path}:{mutant.line} {mutant.operator} "
                          f"{mutant.change()}  {verdict}: {why}", flush=True)
                    continue
                target = COPY / mutant.path
                original = target.read_bytes()
                lines = original.decode("utf-8").split("\n")
                if mutant.after is None:
                    del lines[mutant.line - 1]
                else:
                    lines[mutant.line - 1] = mutant.after
                MUTATED[target] = original
                target.write_text("\n".join(lines), encoding="utf-8")
                log.write(f"\n=== mutant {index}: {mutant.path}:{mutant.line} {mutant.change()}\n")
                log.flush()
                if not build(log):
                    verdict = "did not compile"
                    TALLY[verdict] += 1
                else:
                    failure = run_unit_suite(log)
                    verdict = f"killed by {failure}" if failure else "survived"
                    TALLY["killed" if failure else "survived"] += 1
                # The restored file is newer than its object, so the next build compiles it
                # again (from ccache).
                restore()
                print(f"{index:3} {mutant.path}:{mutant.line} {mutant.operator} {mutant.change()}"
                      f"  {verdict}  [{time.monotonic() - begun:.0f} s]", flush=True)
        finally:
            restore()
        print(summary(ARGS.seed, started), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
