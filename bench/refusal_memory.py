#!/usr/bin/env python3
"""Memory of column-乙 refusals: does showing the refusal box leave anything behind?

Starts norvik_b in a virtual X server and, as a clerk would, presses F5 with the salary at 0
(which the window refuses with its information box) and Enter on the box, again and again. The
peak resident set size is read after a warm-up and at the end; their difference is what the
refusals after the warm-up have left behind.

    bench/refusal_memory.py [--refusals N] [--warm-up N] [--accepted] [--verbose] [PROGRAM]

With --accepted the same keys go to a window holding a salary it accepts, as a yardstick.
"""
import argparse
import os
import subprocess
import sys
import time

from xdisplay import start_display

BOX_TITLE = "情報"


def memory_kib(pid, field):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def xdotool(*arguments, env):
    return subprocess.run(["xdotool", *arguments], env=env, capture_output=True, text=True)


def shown_box(pid, window, env):
    """The program's other visible window: the box, while it is open."""
    found = xdotool("search", "--onlyvisible", "--pid", str(pid), env=env).stdout.split()
    others = [candidate for candidate in found if candidate != window]
    return others[0] if others else None


def wait_until(condition, what, timeout=10.0):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            sys.exit(f"timed out waiting for {what}")
        time.sleep(0.005)


def refuse_once(pid, window, env):
    # Xvfb runs no window manager, so the keyboard focus is given by hand, as a click would.
    xdotool("windowfocus", "--sync", window, "key", "F5", env=env)
    wait_until(lambda: shown_box(pid, window, env), "the refusal box")
    box = shown_box(pid, window, env)
    if xdotool("getwindowname", box, env=env).stdout.strip() != BOX_TITLE:
        sys.exit("the window shows something other than the refusal box")
    xdotool("windowfocus", "--sync", box, "key", "Return", env=env)
    wait_until(lambda: not shown_box(pid, window, env), "the refusal box to close")


def compute_once(pid, window, env):
    # The yardstick: the same keys and focus changes on a salary the window accepts, so no box.
    xdotool("windowfocus", "--sync", window, "key", "F5", env=env)
    time.sleep(0.02)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--refusals", type=int, default=2000)
    parser.add_argument("--warm-up", type=int, default=100)
    parser.add_argument("--accepted", action="store_true",
                        help="type a salary the window accepts first: F5 then computes, no box")
    parser.add_argument("--verbose", action="store_true", help="print the memory as it goes")
    parser.add_argument("program", nargs="?", default="build/calc_otsu/norvik_b")
    options = parser.parse_args()

    server, display = start_display()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([options.program], env=env, stderr=subprocess.DEVNULL)
    try:
        window = xdotool("search", "--sync", "--onlyvisible", "--pid", str(program.pid),
                         env=env).stdout.split()[0]
        action = refuse_once
        if options.accepted:
            xdotool("windowfocus", "--sync", window, "type", "300000", env=env)
            action = compute_once
        for _ in range(options.warm_up):
            action(program.pid, window, env)
        after_warm_up = memory_kib(program.pid, "VmHWM")
        for done in range(options.warm_up + 1, options.refusals + 1):
            action(program.pid, window, env)
            if options.verbose and done % 250 == 0:
                print(f"after {done}: peak RSS {memory_kib(program.pid, 'VmHWM')} KiB, "
                      f"RSS {memory_kib(program.pid, 'VmRSS')} KiB", flush=True)
        at_end = memory_kib(program.pid, "VmHWM")
        what = "computations" if options.accepted else "refusals"
        print(f"{what}: {options.refusals} (warm-up {options.warm_up})")
        print(f"peak RSS after warm-up: {after_warm_up} KiB")
        print(f"peak RSS at the end:    {at_end} KiB")
        print(f"growth after warm-up:   {at_end - after_warm_up} KiB")
    finally:
        program.terminate()
        program.wait()
        server.terminate()
        server.wait()


if __name__ == "__main__":
    main()
