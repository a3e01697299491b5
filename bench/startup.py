#!/usr/bin/env python3
"""Start-up of the calculators against two yardsticks, under one Xvfb, in one run.

For each program: the time from process start to the first flush of a painted window to the
screen (Qt's own painting log, stamped on the monotonic clock), and the peak resident set size
at that moment. Each round starts every program once, in turn, so a burst of load on the shared
machine falls on all of them alike; the ratios are taken within a round and their median given.

    bench/startup.py [--runs N] BUILD_DIR
        the bare window, the one-label window, norvik_a and norvik_b of that build
    bench/startup.py [--runs N] PROGRAM...
        the given programs; the first is the bare yardstick, the second (if any) the text one

The yardsticks (bench/BareWindow.cpp, bench/OneLabelWindow.cpp) are empty main windows of the
calculators' size: the bare one draws no text, the one-label one shows one Japanese caption in
one of the installed faces, set up by the calculators' own application object. Ratios and
differences are given against both: what a program costs beyond the one-label window is its own.
"""
import argparse
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import time

from xdisplay import start_display

FLUSH = re.compile(r"^\s*(\d+\.\d+) qt\.widgets\.painting Flushing QRegion")
BUILD_PROGRAMS = ["bench/norvik_bare_window", "bench/norvik_one_label_window",
                  "calc_kou/norvik_a", "calc_otsu/norvik_b"]


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def measure(program, display):
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LOGGING_RULES="qt.widgets.painting=true",
               QT_MESSAGE_PATTERN="%{time boot} %{category} %{message}")
    started = time.monotonic()
    process = subprocess.Popen([program], env=env, stderr=subprocess.PIPE, text=True)
    try:
        for line in process.stderr:
            match = FLUSH.match(line)
            if match:
                first_paint = float(match.group(1)) - started
                return first_paint, peak_rss_kib(process.pid)
        sys.exit(f"{program} ended before it painted")
    finally:
        process.send_signal(signal.SIGTERM)
        process.wait()


def programs_to_run(arguments):
    if len(arguments) == 1 and os.path.isdir(arguments[0]):
        programs = [os.path.join(arguments[0], program) for program in BUILD_PROGRAMS]
        missing = [program for program in programs if not os.access(program, os.X_OK)]
        if missing:
            sys.exit("not built: " + ", ".join(missing))
        return programs
    return arguments


def measure_rounds(programs, runs):
    """paint[program][round] in seconds and rss[program][round] in KiB."""
    paint = {program: [] for program in programs}
    rss = {program: [] for program in programs}
    server, display = start_display()
    try:
        for _ in range(runs):
            for program in programs:
                seconds, kib = measure(program, display)
                paint[program].append(seconds)
                rss[program].append(kib)
    finally:
        server.terminate()
    return paint, rss


def against(paint, rss, program, yardstick):
    ratio = statistics.median(p / y for p, y in zip(paint[program], paint[yardstick]))
    extra = statistics.median(r - y for r, y in zip(rss[program], rss[yardstick]))
    return f"{ratio:4.2f}x {extra / 1024:+5.1f} MiB"


def report(programs, paint, rss, runs):
    yardsticks = programs[:2]
    names = [os.path.basename(program) for program in programs]
    width = max(len(name) for name in names)
    header = f"{'':>{width}}  first paint   peak RSS"
    for yardstick in yardsticks:
        header += f"   against {os.path.basename(yardstick):<18}"
    print(f"runs per program: {runs} (medians; ratios and differences taken within each round)")
    print(header.rstrip())
    for program, name in zip(programs, names):
        line = (f"{name:>{width}}  {statistics.median(paint[program]) * 1000:8.1f} ms"
                f"  {statistics.median(rss[program]) / 1024:5.1f} MiB")
        for yardstick in yardsticks:
            line += f"   {against(paint, rss, program, yardstick):<26}"
        print(line.rstrip())


def main():
    parser = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("programs", nargs="+", metavar="BUILD_DIR | PROGRAM")
    args = parser.parse_args()
    if shutil.which("Xvfb") is None:
        sys.exit("Xvfb is needed (apt-get install xvfb)")
    programs = programs_to_run(args.programs)
    paint, rss = measure_rounds(programs, args.runs)
    report(programs, paint, rss, args.runs)


if __name__ == "__main__":
    main()
