#!/usr/bin/env python3
"""Runs gyrolith-cli over mutated copies of the example networks, as a careless user or a damaged
disk would, and reports what it saw: exit statuses per command, sanitizer reports, runs that hung,
files that open but cannot be saved, saved files that do not read back the same, and whether a
save killed half-way ever damages the file it replaces or leaves its temporary file for good.
The examples carry a report, so mutants reach the report writer too.

    scripts/cli-mutation-run.py [--cli build/src/cli/gyrolith-cli] [--files 1500] [--kills 60]

Bounded: --files mutants per example, each command limited to 10 seconds.
"""
import argparse
import collections
import os
import random
import re
import signal
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor

EXAMPLES = ["examples/roundabout.crs", "examples/crossroads.crs"]
TIMEOUT = 10
SANITIZER_MARKS = (b"AddressSanitizer", b"LeakSanitizer", b"runtime error:", b"UndefinedBehavior")
EXTREMES = [b"0", b"-1", b"99999", b"-9999", b"2147483647", b"2147483648", b"-2147483649",
            b"1e300", b"-1e300", b"1e308", b"nan", b"inf", b"9999", b"100", b"  ", b"x"]


def mutate(lines, rng):
    """One to four edits of the kinds a damaged or hand-edited file shows."""
    lines = list(lines)
    for _ in range(rng.randint(1, 4)):
        if not lines:
            lines.append(b"")
        i = rng.randrange(len(lines))
        # Values out of their range keep a file readable, so they reach the most code: half
        # the edits are those.
        kind = rng.choice([1] * 9 + list(range(10)))
        line = lines[i]
        if kind == 0:  # flip a byte
            if line:
                j = rng.randrange(len(line))
                line = line[:j] + bytes([rng.randrange(256)]) + line[j + 1:]
        elif kind == 1:  # an extreme value in a field of its width
            width = rng.choice([5, 10, 22])
            j = rng.choice(range(5, max(6, len(line)), 5))
            value = rng.choice(EXTREMES)
            line = line[:j] + value.rjust(width)[-width:] + line[j + width:]
        elif kind == 2:
            del lines[i]
            continue
        elif kind == 3:
            lines.insert(i, line)
        elif kind == 4 and len(lines) > 1:
            k = rng.randrange(len(lines))
            lines[i], lines[k] = lines[k], lines[i]
            continue
        elif kind == 5:  # cut the file
            lines = lines[:i] + [line[: rng.randrange(len(line) + 1)]]
            continue
        elif kind == 6:  # a long line
            line = line + bytes([rng.randrange(32, 127)]) * rng.choice([600, 5000, 40000])
        elif kind == 7:  # a different keyword
            line = rng.choice([b"ARM  ", b"LANE ", b"ZONE ", b"ROUTE", b"TEXT ", b"RTFLW"]) + line[5:]
        elif kind == 8:  # a count in NET, SENV, FLWGP or REPDS
            j = rng.choice([5, 10, 15, 20, 25, 30, 35])
            line = line[:j] + str(rng.choice([0, 1, 7, 99, 100, 1000, 99999])).rjust(5).encode() + line[j + 5:]
        else:  # stray bytes
            line = line + bytes(rng.randrange(256) for _ in range(rng.randint(1, 20)))
        lines[i] = line
    return lines


def commands(path, out, rtf):
    return [("show", ["show", path]), ("summary", ["summary", path]),
            ("save", ["save", path, "-o", out]),
            ("report", ["report", path, "--definition", "1", "-o", rtf])]


def run(cli, args):
    try:
        done = subprocess.run([cli] + args, capture_output=True, timeout=TIMEOUT)
        return done.returncode, done.stdout, done.stderr
    except subprocess.TimeoutExpired:
        return "timeout", b"", b""


def check_file(cli, path, work):
    """Every command over one file; returns findings as (kind, detail) pairs and exit codes."""
    out = os.path.join(work, os.path.basename(path) + ".out.crs")
    rtf = os.path.join(work, os.path.basename(path) + ".rtf")
    results = {}
    for name, args in commands(path, out, rtf):
        results[name] = run(cli, args)
    if os.path.exists(rtf):
        os.remove(rtf)
    findings = []
    for name, (code, _, err) in results.items():
        if code == "timeout":
            findings.append(("hang", f"{name} {path}"))
        elif any(mark in err for mark in SANITIZER_MARKS):
            findings.append(("sanitizer", f"{name} {path}: {err[:300]!r}"))
    if results["show"][0] == 0 and results["save"][0] != 0:
        findings.append(("opens-but-cannot-be-saved",
                         f"{path}: {results['save'][2].decode(errors='replace').strip()}"))
    # Exit 2 is a report number the damaged file does not have.
    if results["show"][0] == 0 and results["report"][0] not in (0, 2):
        findings.append(("opens-but-cannot-be-reported",
                         f"{path}: {results['report'][2].decode(errors='replace').strip()}"))
    if results["save"][0] == 0:
        again = out + ".again.crs"
        code, _, err = run(cli, ["save", out, "-o", again])
        if code != 0:
            findings.append(("saved-file-does-not-reopen", f"{path}: {err[:200]!r}"))
        elif open(out, "rb").read() != open(again, "rb").read():
            findings.append(("saved-file-reads-back-different", path))
        for f in (out, again):
            if os.path.exists(f):
                os.remove(f)
    return findings, {name: r[0] for name, r in results.items()}


def kill_during_save(cli, work, kills, rng):
    """Saves over a good file and kills the save at a random moment near its end, where the
    file is written: the file must stay the old or become the new one, and the next save must
    clear what the killed one left."""
    target = os.path.join(work, "target.crs")
    old = open(EXAMPLES[1], "rb").read()
    command = [cli, "balance", EXAMPLES[0], "-o", target, "--build-routes"]
    started = time.monotonic()
    for _ in range(3):
        subprocess.run(command, capture_output=True)
    duration = (time.monotonic() - started) / 3
    outcome = collections.Counter()
    for _ in range(kills):
        with open(target, "wb") as f:
            f.write(old)
        proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(rng.uniform(0.5, 1.1) * duration)
        proc.send_signal(signal.SIGKILL)
        proc.wait()
        now = open(target, "rb").read()
        if now == old:
            outcome["kept the old file"] += 1
        elif run(cli, ["show", target])[0] == 0:
            outcome["left the new file"] += 1
        else:
            outcome["damaged the target"] += 1
        if any(n.startswith(".target.crs.") for n in os.listdir(work)):
            outcome["were killed while writing (temporary file left)"] += 1
        subprocess.run([cli, "save", EXAMPLES[0], "-o", target], capture_output=True)
        if any(n.startswith(".target.crs.") for n in os.listdir(work)):
            outcome["left a temporary file after the next save"] += 1
    return outcome


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/src/cli/gyrolith-cli")
    parser.add_argument("--files", type=int, default=1500, help="mutants per example")
    parser.add_argument("--kills", type=int, default=60)
    parser.add_argument("--seed", type=int, default=15)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--keep", help="folder to keep the files with findings in")
    options = parser.parse_args()
    rng = random.Random(options.seed)
    work = tempfile.mkdtemp(prefix="gyrolith-mutants-")
    paths = []
    for example in EXAMPLES:
        lines = open(example, "rb").read().split(b"\r\n")
        stem = os.path.splitext(os.path.basename(example))[0]
        for n in range(options.files):
            path = os.path.join(work, f"{stem}-{n:05d}.crs")
            with open(path, "wb") as f:
                f.write(b"\r\n".join(mutate(lines, rng)))
            paths.append(path)

    codes = collections.defaultdict(collections.Counter)
    findings = collections.defaultdict(list)
    with ThreadPoolExecutor(options.jobs) as pool:
        for file_findings, file_codes in pool.map(lambda p: check_file(options.cli, p, work), paths):
            for name, code in file_codes.items():
                codes[name][code] += 1
            for kind, detail in file_findings:
                findings[kind].append(detail)
    kills = kill_during_save(options.cli, work, options.kills, rng)

    names = [name for name, _ in commands("", "", "")]
    print(f"{len(paths)} mutated files, {len(names) * len(paths)} runs")
    for name in names:
        print(f"  {name:8} exit codes: " + ", ".join(f"{c}: {n}" for c, n in sorted(codes[name].items(), key=str)))
    unexpected = sum(n for c in codes.values() for code, n in c.items() if code not in (0, 1, 2))
    print(f"  exits other than 0, 1, 2: {unexpected}")
    for kind in ("hang", "sanitizer", "opens-but-cannot-be-saved", "opens-but-cannot-be-reported",
                 "saved-file-does-not-reopen", "saved-file-reads-back-different"):
        print(f"  {kind}: {len(findings[kind])}")
        # Grouped by what they say, numbers left out.
        reasons = collections.Counter(re.sub(r"[0-9.]+", "N", d.split(": ", 2)[-1]) for d in findings[kind])
        for reason, n in reasons.most_common():
            print(f"    {n:5} x {reason}")
    print(f"{options.kills} saves killed: " + ", ".join(f"{n} {what}" for what, n in sorted(kills.items())))
    if options.keep:
        os.makedirs(options.keep, exist_ok=True)
        for kind, details in findings.items():
            for detail in details:
                path = detail.split(":")[0].split(" ")[-1]
                if os.path.exists(path):
                    os.replace(path, os.path.join(options.keep, os.path.basename(path)))
    subprocess.run(["rm", "-rf", work])
    bad = (unexpected + sum(len(findings[k]) for k in findings) + kills["damaged the target"] +
           kills["left a temporary file after the next save"])
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
