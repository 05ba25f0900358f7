#!/usr/bin/env python3
"""Runs two builds of kirvo-cli on the same random births, chart moments, ranges and settings and
compares everything they print (standard output, standard error and exit status) byte for byte.

    bench/compare_cli.py OLD_CLI NEW_CLI [--count 10000] [--seed 20261210] [--keep DIR]

The settings folders are copies of the old build's program folder: the shipped settings and a few
variants that switch the rule flags and choices the engine decides by, so a change in how rules are
read shows up. Exit 0 when every output is identical.
"""
import argparse
import concurrent.futures
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

# Rule-setting variants: key → value in section [USysF] of USysF.ini.
USYS_VARIANTS = {
    "shipped": {},
    "no-change": {"KSCB": "1", "KKSCB": "1"},
    "choices-a": {"KaRG": "1", "DaiRG": "3", "DRG": "0", "DuRG": "1", "TRG": "1", "YRG0": "1", "ZRG0": "2",
                  "ZRG2": "2", "ZRG3": "2", "ZRG4": "1", "ZRG5": "2", "RRG": "1", "KiRG": "1", "SaCB": "1"},
    "choices-b": {"KaRG": "2", "DaiRG": "1", "KoCB": "0", "NCB": "1", "TCB": "1", "SigCB": "0", "SiaCB": "1",
                  "YCB0": "1", "RCB": "1", "SuCB": "1", "JyCB": "1", "ZRG0": "0", "ZRG1": "0", "ZRG5": "1",
                  "KKSCB": "1", "NGE": "40"},
    "choices-c": {"DaiRG": "2", "DuRG": "1", "KiRG": "1", "AVE": "60", "StdE": "15", "ZRG2": "0", "ZRG3": "0"},
}
# System-setting variants applied together with some rule variants: the chart's row layout and day
# boundary shown.
SYS_VARIANTS = {
    "choices-a": {"MeiChg": "1048575", "DRG": "0"},
    "choices-b": {"MeiChg": "4194303", "KCB1": "0"},
}

NAMES = ["山田太郎", "佐藤花子", "R151", "A", "鈴木一郎", "高橋", "ｶﾀｶﾅ"]


def set_keys(path, section, values):
    """Sets `key=value` in `section` of a Shift-JIS CR LF ini file, appending keys it lacks."""
    data = path.read_bytes()
    lines = data.split(b"\r\n")
    in_section = False
    seen = set()
    out = []
    for line in lines:
        if line.startswith(b"["):
            if in_section:
                out.extend(f"{k}={v}".encode() for k, v in values.items() if k not in seen)
                seen.update(values)
            in_section = line.strip().lower() == f"[{section}]".lower().encode()
        elif in_section:
            key = line.split(b"=", 1)[0].decode("ascii", "replace")
            if key in values:
                line = f"{key}={values[key]}".encode()
                seen.add(key)
        out.append(line)
    path.write_bytes(b"\r\n".join(out))


def make_folders(old_cli, root):
    program = Path(old_cli).resolve().parent
    folders = {}
    for name, keys in USYS_VARIANTS.items():
        folder = root / name
        folder.mkdir()
        for item in ("USysF.ini", "SysF.ini", "Default.zou", "KakuSetu.dat", "SinSetu.dat"):
            if (program / item).exists():
                shutil.copy(program / item, folder / item)
        set_keys(folder / "USysF.ini", "USysF", keys)
        if name in SYS_VARIANTS:
            set_keys(folder / "SysF.ini", "SysF", SYS_VARIANTS[name])
        folders[name] = folder
    return folders


def random_moment(rng, first_year=1900, last_year=2100):
    year = rng.randint(first_year, last_year)
    month = rng.randint(1, 12)
    day = rng.randint(1, 28 if month == 2 else 30)
    return f"{year:04d}/{month:02d}/{day:02d} {rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}"


def chart_jobs(rng, count, folders):
    jobs = []
    names = list(folders)
    for _ in range(count):
        birth = random_moment(rng, 1900, 2030)
        if rng.random() < 0.1:
            birth = birth[:11] + "99:99"
        args = ["chart", "--folder", str(folders[rng.choice(names)]), "--name", rng.choice(NAMES),
                "--sex", rng.choice(["男", "女"]), "--birth", birth, "--range", str(rng.randint(0, 5))]
        roll = rng.random()
        if roll < 0.9:
            year = int(birth[:4]) + rng.randint(0, 100)
            args += ["--at", f"{year:04d}" + random_moment(rng)[4:]]
        elif roll < 0.95:
            args += ["--at", random_moment(rng, 1800, 2200)]  # often outside the age gate
        if rng.random() < 0.2:
            args.append("--original")
        jobs.append((args, None))
    return jobs


def stdin_jobs(rng, count, folders):
    jobs = []
    moments = "".join(random_moment(rng, 1700, 2300) + "\n" for _ in range(count)) + "not a moment\n"
    for folder in folders.values():
        jobs.append((["pillars", "--folder", str(folder)], moments))
        for mode in range(4):
            jobs.append((["term", "--mode", str(mode), "--folder", str(folder)], moments))
        jobs.append((["settings", "check", "--folder", str(folder)], None))
        for _ in range(20):
            jobs.append((["depth-report", "--folder", str(folder), "--now", random_moment(rng)], None))
    return jobs


def run(cli, args, stdin):
    done = subprocess.run([cli, *args], input=stdin.encode() if stdin else None, capture_output=True,
                          env={**os.environ, "KIRVO_STORE_DIR": os.environ["KIRVO_STORE_DIR"]})
    return done.returncode, done.stdout, done.stderr


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--count", type=int, default=10000)
    parser.add_argument("--seed", type=int, default=20261210)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--show", type=int, default=5, help="differing runs to print in full")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as temp:
        root = Path(temp)
        os.environ["KIRVO_STORE_DIR"] = str(root / "store")
        (root / "store").mkdir()
        folders = make_folders(args.old, root)
        rng = random.Random(args.seed)
        jobs = chart_jobs(rng, args.count, folders) + stdin_jobs(rng, args.count, folders)

        def compare(job):
            command, stdin = job
            old = run(args.old, command, stdin)
            new = run(args.new, command, stdin)
            return command, old, new

        differing = 0
        with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
            for command, old, new in pool.map(compare, jobs):
                if old != new:
                    differing += 1
                    if differing <= args.show:
                        shown = " ".join(re.sub(str(root), "<tmp>", part) for part in command)
                        print(f"DIFFERS: kirvo-cli {shown}", file=sys.stderr)
                        for label, old_part, new_part in (("exit", old[0], new[0]), ("stdout", old[1], new[1]),
                                                           ("stderr", old[2], new[2])):
                            if old_part != new_part:
                                print(f"  {label} differs", file=sys.stderr)
                                if label != "exit":
                                    old_lines = old_part.decode(errors="replace").splitlines()
                                    new_lines = new_part.decode(errors="replace").splitlines()
                                    for i, (a, b) in enumerate(zip(old_lines, new_lines)):
                                        if a != b:
                                            print(f"  line {i + 1}:\n    old: {a}\n    new: {b}", file=sys.stderr)
                                            break
        print(f"{len(jobs)} runs compared, {differing} differ")
        return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
