#!/usr/bin/env python3
"""Measures how soon the wizard's window is on screen and how much memory it
holds while idle.

Starts a private Xvfb display, runs `kelvad` with drives C and D on fresh
directories (an ER5 SDK marker on D, so the search runs both scans' worth of
rounds, as on a real machine), and waits for the window with
`xdotool search`. Prints the time from the start of the process to
the window being mapped (looked for every few milliseconds), and the resident memory (VmRSS) once the SDK search
has ended and the wizard sits idle, for the best of --repeat runs.

Given --kelvad more than once (two builds, say), it runs them in turn, one
run of each per round, so that a machine whose load changes treats them alike.

Needs Xvfb and xdotool (apt-get install xvfb xdotool).

    bench/wizard_startup.py [--kelvad build/kelvad]... [--repeat 5]
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

TITLE = "EIKON Application Builder"


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def one_run(kelvad, display, work):
    for d in ("c", "d/epoc32/release/wins/deb", "data"):
        os.makedirs(os.path.join(work, d), exist_ok=True)
    open(os.path.join(work, "d/epoc32/release/wins/deb/epoc.exe"), "w").close()
    env = dict(os.environ, DISPLAY=display)
    env.pop("QT_QPA_PLATFORM", None)
    start = time.monotonic()
    wizard = subprocess.Popen([kelvad, "--drive", f"c={work}/c", "--drive", f"d={work}/d", "--data-dir",
                               f"{work}/data"], env=env, stderr=subprocess.DEVNULL)
    try:
        # xdotool's own --sync waits half a second between looks; look every few milliseconds instead.
        while subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE], env=env,
                             stdout=subprocess.DEVNULL).returncode != 0:
            if time.monotonic() - start > 30:
                raise RuntimeError("the window did not show within 30 s")
            time.sleep(0.005)
        shown = time.monotonic() - start
        # Two scans of 24 letters at 100 ms each, then the wizard idles.
        time.sleep(6)
        return shown, rss_mib(wizard.pid)
    finally:
        wizard.terminate()
        wizard.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--kelvad", action="append",
                        help="the program to start (repeat to compare builds); default build/kelvad")
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()
    programs = [os.path.abspath(k) for k in (args.kelvad or
                                             [os.path.join(os.path.dirname(__file__), "..", "build", "kelvad")])]
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is needed: apt-get install xvfb xdotool")
    # A display number no other X server on the machine uses, well above the usual ones.
    number = 100
    while os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
        number += 1
    display = f":{number}"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24"], stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(f"/tmp/.X11-unix/X{number}"):
            break
        time.sleep(0.05)
    try:
        runs = {program: [] for program in programs}
        for _ in range(args.repeat):
            for program in programs:
                with tempfile.TemporaryDirectory() as work:
                    runs[program].append(one_run(program, display, work))
        for program in programs:
            shown = sorted(r[0] for r in runs[program])
            rss = sorted(r[1] for r in runs[program])
            if len(programs) > 1:
                print(program)
            print(f"window shown after {shown[0] * 1000:.0f} ms (best), {shown[len(shown) // 2] * 1000:.0f} ms (median)")
            print(f"idle resident memory {rss[0]:.1f} MiB (least), {rss[-1]:.1f} MiB (most)")
    finally:
        xvfb.terminate()


if __name__ == "__main__":
    main()
