#!/usr/bin/python3
"""Repeating schedules measured from outside on the real binary, on one private desktop
(tests/e2e/harness.py: Xvfb, private buses, the logind mock, trayer): the wake-ups in 30 s of
an instance started with the session (--autostart) and a schedule armed for tomorrow, beside
one with no schedule at all, both hidden in the notification area; then how late a scheduled
power off reaches the mock, five instances (each its own settings and runtime folder) on five
consecutive minutes.

    /usr/bin/python3 bench/schedules.py BINARY
"""

import math
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "tests", "e2e"))

from bench import GL, sample, window_cost  # noqa: E402
from harness import Desktop, wait_for  # noqa: E402


def instance(desk, binary, name, schedule=None):
    """An instance with a settings and runtime folder of its own; `schedule` "HH:MM" daily."""
    config, runtime = (os.path.join(desk.tmp, f"{kind}-{name}") for kind in ("config", "run"))
    os.makedirs(os.path.join(config, "Orvanta"))
    os.makedirs(runtime, mode=0o700)
    if schedule:
        with open(os.path.join(config, "Orvanta", "Orvanta.conf"), "w") as f:
            f.write(f"[Schedules]\nSchedule1=daily {schedule}|1|1|on\n")
    return desk.start_program(binary, {**GL, "XDG_CONFIG_HOME": config,
                                       "XDG_RUNTIME_DIR": runtime}, ["--autostart"])


def main(binary):
    with Desktop(a11y=False) as desk:
        tomorrow = time.strftime("%H:%M", time.localtime(time.time() - 3600))
        programs = {"no schedule": instance(desk, binary, "none"),
                    f"daily {tomorrow} (tomorrow)": instance(desk, binary, "tomorrow", tomorrow)}
        for program in programs.values():
            wait_for(lambda p=program: desk.tray_icons(p.pid), 10, 0.05, "the icon docked")
        time.sleep(5)  # past start-up
        before = {name: sample(p.pid) for name, p in programs.items()}
        time.sleep(30)
        print("| Started with the session | Wake-ups in 30 s (voluntary) | by thread |")
        print("|---|---|---|")
        for name, program in programs.items():
            cost = window_cost(before[name], sample(program.pid))
            print(f"| {name} | {cost['wakeups']} ({cost['voluntary']}) | {cost['by_thread']} |")
            desk.stop_popen(program)

        first = math.ceil((time.time() + 80) / 60) * 60  # armed from the wall alarm, not at once
        targets = [first + 60 * n for n in range(5)]
        runs = [instance(desk, binary, f"at{n}", time.strftime("%H:%M", time.localtime(t)))
                for n, t in enumerate(targets)]
        late = []
        for target, program in zip(targets, runs):
            call = wait_for(lambda: desk.power_calls()[len(late):], target - time.time() + 10,
                            0.01, "the scheduled request")[0]
            late.append((call["t"] - target) * 1000)
            program.wait(10)
        print(f"\nScheduled power off to the mock: median {statistics.median(late):.1f} ms "
              f"[{min(late):.1f} … {max(late):.1f}] (n={len(late)}): "
              + ", ".join(f"{ms:.1f}" for ms in late))


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
