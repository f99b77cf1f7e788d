#!/usr/bin/env python3
"""Compares `kelvad generate` of the default project with `cp -r` of its result.

Each pair runs, in an order that alternates from pair to pair so that a change
in the machine's load falls on both sides alike:

  - kelvad generate --drive c=FRESH --data-dir FRESH --sdk-release 5 --no-launch
    (the default project; the report kelvad.rtf is written beside it, on the
    same disk, so FRESH ends up holding the project and the report), and
  - cp -r of such a finished FRESH directory to a new name.

Both are timed from just before the process is started to its end, so both
pay the same for starting a process. It prints the median and quartiles of
each side's wall-clock time, the median of its CPU time (user and system,
which a busy machine disturbs less), the ratio of the wall-clock medians and
the median of the ratios within each pair.

    bench/copy_ratio.py [--kelvad build/kelvad] [--pairs 31] [--dir DIR]

--dir chooses where the fresh directories are made (default: a temporary
directory); use one on the disk you mean to measure.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def timed(argv):
    """Wall-clock and CPU time (user + system) of one run of argv."""
    start = time.perf_counter()
    process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"{argv[0]} failed with status {process.returncode}: {' '.join(argv)}")
    return elapsed, usage.ru_utime + usage.ru_stime


def generate_argv(kelvad, fresh):
    return [kelvad, "generate", "--drive", f"c={fresh}", "--data-dir", fresh, "--sdk-release", "5", "--no-launch"]


def quartiles(values):
    q = statistics.quantiles(values, n=4)
    return q[0], statistics.median(values), q[2]


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--kelvad", default=os.path.join(root, "build", "kelvad"))
    parser.add_argument("--pairs", type=int, default=31)
    parser.add_argument("--dir", help="where the fresh directories are made")
    args = parser.parse_args()
    if args.pairs < 15:
        parser.error("at least 15 pairs")
    kelvad = os.path.abspath(args.kelvad)
    if not os.access(kelvad, os.X_OK):
        sys.exit(f"{kelvad} is not built: cmake --build build -j2 --target kelvad")
    cp = shutil.which("cp")

    work = tempfile.mkdtemp(prefix="kelvad-copy-", dir=args.dir)
    try:
        # The tree that cp copies: one finished run, left in place.
        source = os.path.join(work, "source")
        os.mkdir(source)
        timed(generate_argv(kelvad, source))
        files = sum(len(f) for _, _, f in os.walk(source))
        size = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(source) for f in fs)

        generate_times, copy_times = [], []
        for pair in range(args.pairs):
            fresh = os.path.join(work, f"g{pair}")
            os.mkdir(fresh)
            copy = os.path.join(work, f"c{pair}")
            runs = [
                (generate_times, generate_argv(kelvad, fresh)),
                (copy_times, [cp, "-r", source, copy]),
            ]
            if pair % 2:
                runs.reverse()
            for times, argv in runs:
                times.append(timed(argv))
            # Nothing is removed until the end: on a disk mounted with
            # "discard" a removal sets off work that slows the runs after it.
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print(f"default project: {files} files, {size / 1024:.0f} KiB; {args.pairs} pairs, alternating")
    for label, times in (("kelvad generate", generate_times), ("cp -r", copy_times)):
        low, median, high = quartiles([wall for wall, _ in times])
        cpu = statistics.median(cpu for _, cpu in times)
        print(f"{label:16} median {median * 1000:6.2f} ms (quartiles {low * 1000:.2f} to {high * 1000:.2f} ms),"
              f" CPU {cpu * 1000:.2f} ms")
    ratio = statistics.median(w for w, _ in generate_times) / statistics.median(w for w, _ in copy_times)
    cpu_ratio = statistics.median(c for _, c in generate_times) / statistics.median(c for _, c in copy_times)
    # The two runs of a pair are next to each other in time, so the ratio
    # within a pair is the least disturbed by a machine whose load changes.
    pair_ratio = statistics.median(g[0] / c[0] for g, c in zip(generate_times, copy_times))
    print(f"ratio of the medians: {ratio:.2f} (CPU time: {cpu_ratio:.2f}); median ratio within a pair: {pair_ratio:.2f}")

if __name__ == "__main__":
    main()
