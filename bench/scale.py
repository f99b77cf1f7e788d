#!/usr/bin/env python3
"""Times `kelvad generate` on project descriptions of many commands.

For each size N it writes a description of N user commands, puts every one of
them on a menu item (menus of 100 items, the last 20 of each in a cascade),
gives every second one a toolbar button, and hands out all 78 hotkeys (Ctrl,
Shift+Ctrl and plain on the letters a to z, each taken once) spread over the
whole list: the Ctrl ones as the commands' own hotkeys, which their menu items
take, the others as extra hotkeys. Then it runs the generator headlessly in a
fresh directory and prints the wall-clock and CPU time and the peak resident
memory of the fastest of --repeat runs.

    bench/scale.py [--kelvad build/kelvad] [--repeat 3] [--keep DIR] [N ...]

Without sizes it runs 1000, 10000 and 50000.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

LETTERS = "abcdefghijklmnopqrstuvwxyz"
MENU_SIZE = 100
CASCADE_SIZE = 20


def command_name(i):
    return f"ECmd{i}"


def spread(count, n):
    """count distinct positions spread evenly over range(n)."""
    count = min(count, n)
    return [i * n // count for i in range(count)]


def description(n):
    positions = spread(3 * len(LETTERS), n)
    ctrl = {}  # command position -> its own hotkey (taken by its menu item)
    extra = []  # (command position, hotkey)
    for slot, position in enumerate(positions):
        modifier, letter = divmod(slot, len(LETTERS))
        key = LETTERS[letter]
        if modifier == 0:
            ctrl[position] = "^" + key
        elif modifier == 1:
            extra.append((position, "^" + key.upper()))
        else:
            extra.append((position, key))

    commands = []
    for i in range(n):
        entry = {"name": command_name(i), "text": f"Do {i}"}
        if i in ctrl:
            entry["hotkey"] = ctrl[i]
        commands.append(entry)

    menus = []
    for first in range(0, n, MENU_SIZE):
        number = first // MENU_SIZE
        block = [{"command": command_name(i)} for i in range(first, min(first + MENU_SIZE, n))]
        direct, cascaded = block[:-CASCADE_SIZE], block[-CASCADE_SIZE:]
        items = direct + [{"title": f"More{number}", "items": cascaded}] if direct else cascaded
        menus.append({"title": f"Menu{number}", "items": items})

    toolbar = [{"command": command_name(i)} if i % 4 else {"command": command_name(i), "text": f"B{i}"}
               for i in range(0, n, 2)]
    hotkeys = [{"command": command_name(i), "hotkey": key} for i, key in extra]
    return {
        "settings": {"name": "Scale"},
        "commands": commands,
        "menus": menus,
        "toolbar": toolbar,
        "hotkeys": hotkeys,
    }


def run_once(kelvad, desc_path):
    """Runs the generator in a fresh directory: (exit status, seconds, CPU seconds, peak KiB, last stderr line)."""
    work = tempfile.mkdtemp(prefix="kelvad-bench-")
    try:
        args = [kelvad, "generate", "--drive", f"c={work}", "--data-dir", work, "--sdk-release", "5",
                "--no-launch", "--project", desc_path]
        with open(os.path.join(work, "stderr"), "w+b") as err:
            start = time.perf_counter()
            child = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=err)
            # wait4 gives this child's own peak, not the largest of all children so far.
            _, status, usage = os.wait4(child.pid, 0)
            seconds = time.perf_counter() - start
            child.returncode = os.waitstatus_to_exitcode(status)
            err.seek(0)
            lines = err.read().decode("utf-8", "replace").strip().splitlines()
        last = lines[-1].split(": ", 1)[-1] if lines else ""
        return child.returncode, seconds, usage.ru_utime + usage.ru_stime, usage.ru_maxrss, last
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("sizes", nargs="*", type=int, default=[1000, 10000, 50000])
    parser.add_argument("--kelvad", default=os.path.join(os.path.dirname(__file__), "..", "build", "kelvad"))
    parser.add_argument("--repeat", type=int, default=3, help="runs per size; the fastest counts")
    parser.add_argument("--keep", metavar="DIR", help="keep the descriptions in DIR")
    options = parser.parse_args()
    kelvad = os.path.abspath(options.kelvad)
    if not os.access(kelvad, os.X_OK):
        sys.exit(f"{kelvad}: not built (cmake --build build)")

    desc_dir = options.keep or tempfile.mkdtemp(prefix="kelvad-bench-desc-")
    os.makedirs(desc_dir, exist_ok=True)
    print(f"{'commands':>8} {'menu items':>10} {'toolbar':>7} {'hotkeys':>7} {'JSON KiB':>8} "
          f"{'time s':>7} {'CPU s':>7} {'peak MiB':>8}  result")
    try:
        for n in options.sizes:
            desc = description(n)
            path = os.path.join(desc_dir, f"scale{n}.json")
            with open(path, "w", encoding="utf-8") as f:
                # Compact, to stay within the reader's size limit at 50,000 commands.
                json.dump(desc, f, separators=(",", ":"))
            runs = [run_once(kelvad, path) for _ in range(max(options.repeat, 1))]
            status, seconds, cpu, peak, last = min(runs, key=lambda run: run[1])
            hotkeys = sum(1 for c in desc["commands"] if "hotkey" in c) + len(desc["hotkeys"])
            result = "written" if status == 0 else f"exit {status}: {last}"
            print(f"{n:>8} {n:>10} {len(desc['toolbar']):>7} {hotkeys:>7} {os.path.getsize(path) // 1024:>8} "
                  f"{seconds:>7.2f} {cpu:>7.2f} {peak / 1024:>8.1f}  {result}", flush=True)
    finally:
        if not options.keep:
            shutil.rmtree(desc_dir, ignore_errors=True)


if __name__ == "__main__":
    main()
