#!/usr/bin/python3
"""How late the power request of a countdown arrives. Prints, never judges.

    /usr/bin/python3 measure_firing.py BINARY [RUNS] [SECONDS]

The real binary under Xvfb (harness.Desktop); each run starts the program, selects
"Turn off computer" and "Countdown", types 0:00:SECONDS with real keys and arms it with a
real click on Start. The request is due SECONDS + 1 s after the click (the fields show
SECONDS down to 0, and the tick after that fires); the figure is the arrival at the
logind mock minus that moment.
"""

import os
import statistics
import sys
import time

# Nothing written into the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import test_e2e as e2e  # noqa: E402
from harness import Desktop  # noqa: E402


def one_run(desk, binary, seconds):
    program, wid, window = e2e.launch(desk, binary)
    a11y = e2e.a11y
    e2e.activate(desk, wid, window)
    e2e.select(desk, window, "Turn off computer")
    e2e.select(desk, window, "Countdown")
    e2e.fill_row(desk, window, "Countdown", ["0", "0", str(seconds)])
    before = len(desk.power_calls())
    clicked = desk.timed_click(*a11y.centre(window.button("Start")))
    calls = e2e.wait_for(lambda: desk.power_calls()[before:], seconds + 10, interval=0.02,
                         what="the power request")
    program.wait_exit(10)
    return calls[0]["t"] - (clicked + seconds + 1)


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    binary = os.path.abspath(argv[1])
    runs = int(argv[2]) if len(argv) > 2 else 5
    seconds = int(argv[3]) if len(argv) > 3 else 5
    with Desktop() as desk:
        lateness = []
        for run in range(1, runs + 1):
            late = one_run(desk, binary, seconds)
            lateness.append(late)
            print(f"run {run}: request arrived {late * 1000:+8.1f} ms from click + {seconds + 1} s",
                  flush=True)
        ms = [x * 1000 for x in lateness]
        print(f"{runs} runs, 0:00:{seconds:02d} countdown: median {statistics.median(ms):+.1f} ms, "
              f"min {min(ms):+.1f} ms, max {max(ms):+.1f} ms, "
              f"spread (max - min) {max(ms) - min(ms):.1f} ms")
        print(f"machine: nproc {os.cpu_count()}, kernel {os.uname().release}, "
              f"{time.strftime('%Y-%m-%d %H:%M')}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
