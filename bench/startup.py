#!/usr/bin/env python3
"""Start-up of the calculators against two yardsticks, under one Xvfb, in one run.

For each program: the time from process start to the first flush of a painted window to the
screen (Qt's own painting log, stamped on the monotonic clock), the processor time its threads
have used by then, and the peak resident set size at that moment. On a loaded machine the
processor time varies far less than the time to first paint, which includes waiting for the X
server and for the processor. Each round starts every program once, in turn, so a burst of load
on the shared machine falls on all of them alike; the ratios are taken within a round and their
median given.

    bench/startup.py [--runs N] BUILD_DIR
        the bare window, the one-label window, norvik_a, norvik_b and norvik_r of that build
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
                  "calc_kou/norvik_a", "calc_otsu/norvik_b", "calc_r/norvik_r"]


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    """Processor time of all the process's threads, from the scheduler's own nanosecond count."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                total += int(schedstat.read().split()[0])
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return total / 1e9


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
                return first_paint, cpu_seconds(process.pid), peak_rss_kib(process.pid)
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
    """For each program, per round: (first paint in s, processor time in s, peak RSS in KiB)."""
    rounds = {program: [] for program in programs}
    server, display = start_display()
    try:
        for _ in range(runs):
            for program in programs:
                rounds[program].append(measure(program, display))
    finally:
        server.terminate()
    return rounds


def median_of(rounds, field):
    return statistics.median(sample[field] for sample in rounds)


def against(rounds, yardstick):
    """Median ratios of first paint and processor time and median RSS difference, per round."""
    pairs = list(zip(rounds, yardstick))
    paint = statistics.median(own[0] / other[0] for own, other in pairs)
    cpu = statistics.median(own[1] / other[1] for own, other in pairs)
    rss = statistics.median(own[2] - other[2] for own, other in pairs)
    return f"{paint:4.2f}x {cpu:4.2f}x {rss / 1024:+5.1f} MiB"


def report(programs, rounds, runs):
    yardsticks = programs[:2]
    names = [os.path.basename(program) for program in programs]
    width = max(len(name) for name in names)
    print(f"runs per program: {runs} (medians; ratios and differences taken within each round)")
    header = f"{'':>{width}}  first paint       CPU  peak RSS"
    for yardstick in yardsticks:
        header += f"   against {os.path.basename(yardstick)}:".ljust(28)
    print(header.rstrip())
    columns = "   paint   CPU    RSS".ljust(28) * len(yardsticks)
    print(f"{'':>{width}}  {'':34}{columns}".rstrip())
    for program, name in zip(programs, names):
        line = (f"{name:>{width}}  {median_of(rounds[program], 0) * 1000:8.1f} ms"
                f"  {median_of(rounds[program], 1) * 1000:5.1f} ms"
                f"  {median_of(rounds[program], 2) / 1024:5.1f} MiB")
        for yardstick in yardsticks:
            line += f"   {against(rounds[program], rounds[yardstick])}".ljust(28)
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
    rounds = measure_rounds(programs, args.runs)
    report(programs, rounds, args.runs)


if __name__ == "__main__":
    main()
