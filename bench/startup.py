#!/usr/bin/env python3
"""Start-up of the calculators against a bare Qt window, under one Xvfb, in one run.

For each program: the time from process start to the first flush of a painted window to the
screen (Qt's own painting log, stamped on the monotonic clock), and the peak resident set size
at that moment. Programs are started in turn, so load on the machine falls on all of them.

    bench/startup.py [--runs N] PROGRAM...        (the first program is the yardstick)
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    if shutil.which("Xvfb") is None:
        sys.exit("Xvfb is needed (apt-get install xvfb)")
    server, display = start_display()
    try:
        results = {program: ([], []) for program in args.programs}
        for _ in range(args.runs):
            for program in args.programs:
                paint, rss = measure(program, display)
                results[program][0].append(paint)
                results[program][1].append(rss)
    finally:
        server.terminate()
    base_paint = statistics.median(results[args.programs[0]][0])
    base_rss = statistics.median(results[args.programs[0]][1])
    print(f"runs per program: {args.runs} (median)")
    for program in args.programs:
        paint = statistics.median(results[program][0])
        rss = statistics.median(results[program][1])
        print(f"{os.path.basename(program):>22}: first paint {paint * 1000:7.1f} ms "
              f"({paint / base_paint:4.2f}x)   peak RSS {rss / 1024:6.1f} MiB "
              f"({(rss - base_rss) / 1024:+5.1f} MiB)")


if __name__ == "__main__":
    main()
