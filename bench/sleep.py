#!/usr/bin/python3
"""Sleep measured from outside on the real binary, on one private desktop (the e2e harness,
with AT-SPI and logind's CanHibernate answering "na"): five times, the program started with a
3 s countdown to Sleep saved, Start clicked with XTest; how late SuspendWithFlags reaches the
mock after the due moment (the click + 4 s: 3, 2, 1 and 0 are shown a second each), and how
long after the start the first capability question reaches the mock and Hibernate is greyed.

    /usr/bin/python3 bench/sleep.py BINARY
"""

import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "tests", "e2e"))

import harness as h  # noqa: E402
from harness import Desktop, wait_for  # noqa: E402


def main(binary):
    late, asked, greyed = [], [], []
    with Desktop(can={"CanHibernate": "na"}) as desk:
        folder = os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta")
        os.makedirs(folder)
        with open(os.path.join(folder, "Orvanta.conf"), "w") as f:
            f.write("[Settings]\nAction=3\nTimeSetting=1\nCountDown2=3\n")
        for run in range(5):
            questions = len(desk.questions())
            started = time.time()
            program = desk.start_program(binary)
            frame = h.find(h.accessible_app(program.pid), "frame", timeout=10)
            hibernate = h.find(frame, "radio button", "Hibernate")
            wait_for(lambda: not h.state(hibernate, "enabled"), 10, 0.005, "Hibernate greyed")
            greyed.append((time.time() - started) * 1000)
            asked.append((desk.questions()[questions][0] - started) * 1000)
            desk.move(*h.point(h.find(frame, "push button", "Start")))
            clicked = desk.timed_release()[1]
            call = wait_for(lambda: desk.power_calls()[run:], 10, 0.002, "SuspendWithFlags")[0]
            late.append((call["t"] - clicked - 4) * 1000)
            desk.stop_popen(program)
    for name, values in (("Due -> SuspendWithFlags at the mock", late),
                         ("Start -> first capability question at the mock", asked),
                         ("Start -> Hibernate greyed (seen over AT-SPI)", greyed)):
        print(f"{name}: median {statistics.median(values):.1f} ms "
              f"[{min(values):.1f} … {max(values):.1f}] (n={len(values)})")


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
