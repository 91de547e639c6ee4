#!/usr/bin/env python3
"""Start-up of the game for Windows under Wine against its floor, in one run:
    wine_startup.py BENCH_STARTUP.exe BENCH_MINIMAL.exe RUNS
Both programs are the Windows builds of the Linux bench's bench_startup (the
game with the hook that quits after the first paint) and bench_minimal (the
least Qt program that shows as much). They run RUNS times each, taking
turns, after three runs each that are not counted (Wine's own start and the
file cache warm up); the time is the wall time from start to the end of the
process, Wine's start included, and the figures are medians. Run with
WINEPREFIX and WINEPATH set, as scripts/windows --bench does."""
import os
import statistics
import subprocess
import sys
import time


def run(program):
    begin = time.monotonic()
    # Headless as on Linux; told by the command line, since Wine passes no QT_
    # variable of the environment on.
    done = subprocess.run(["wine", program, "-platform", "offscreen"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
    seconds = time.monotonic() - begin
    if done.returncode != 0:
        sys.exit(f"wine_startup.py: {os.path.basename(program)} ended with status {done.returncode}")
    return seconds


def main(startup, minimal, runs):
    for _ in range(3):
        run(startup)
        run(minimal)
    game, floor = [], []
    for _ in range(runs):
        game.append(run(startup))
        floor.append(run(minimal))
    g, f = statistics.median(game), statistics.median(floor)
    print(f"Start-up under Wine until the window is first painted, {runs} runs each (medians):")
    print(f"  {'start-up until shown (Wine)':<38} {g * 1000:8.0f} ms  {f * 1000:8.0f} ms minimal"
          f"  ratio {g / f:.3f}  goal 1.100  {'met' if g / f <= 1.1 else 'NOT met'}")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: wine_startup.py BENCH_STARTUP.exe BENCH_MINIMAL.exe RUNS")
    main(sys.argv[1], sys.argv[2], max(1, int(sys.argv[3])))
