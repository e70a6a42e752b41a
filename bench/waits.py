#!/usr/bin/python3
"""The cost of waiting besides the clock, measured from outside on the real binary: one
private desktop (tests/e2e/harness.py: Xvfb, private buses, the logind mock, no tray host,
no accessibility bus), three instances side by side (each with a runtime folder of its own,
so none hands over to another) waiting for a program's end, for a quiet computer (the real
/proc) and for nobody at the X server; their wake-ups counted over 60 s from
/proc/PID/task/*/status. Then how late a request reaches the mock after the program waited
for has ended: without the warning minute (5 runs) and with it (1 run).

    /usr/bin/python3 bench/waits.py BINARY
"""

import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "tests", "e2e"))

from bench import GL, sample, window_cost  # noqa: E402
from harness import Desktop, wait_for  # noqa: E402


def settings(desk, warning):
    folder = os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "Orvanta.conf"), "w") as f:
        f.write(f"[Settings]\nWarning={warning}\n")


def instance(desk, binary, name, args):
    runtime = os.path.join(desk.tmp, f"run-{name}")
    os.makedirs(runtime, mode=0o700)
    return desk.start_program(binary, {**GL, "XDG_RUNTIME_DIR": runtime}, args)


def main(binary):
    with Desktop(a11y=False) as desk:
        settings(desk, 1)
        child = subprocess.Popen(["sleep", "600"])
        waits = {"program end": ["--when-exits", str(child.pid)],
                 "quiet (real /proc)": ["--when-quiet", "600"],
                 "idle (X IDLETIME alarms)": ["--when-idle", "600"]}
        programs = {name: instance(desk, binary, name.split()[0], ["--poweroff", *args])
                    for name, args in waits.items()}
        for program in programs.values():
            desk.main_window(program)
        time.sleep(5)  # past start-up
        before = {name: sample(p.pid) for name, p in programs.items()}
        time.sleep(60)
        print("| Waiting for | Wake-ups in 60 s (voluntary) | by thread |\n|---|---|---|")
        for name, program in programs.items():
            cost = window_cost(before[name], sample(program.pid))
            print(f"| {name} | {cost['wakeups']} ({cost['voluntary']}) | {cost['by_thread']} |")
            desk.stop_popen(program)
        child.kill()
        child.wait()

        lateness = []
        for warning in ((0, 0, 0, 0, 0, 1) if '--no-latency' not in sys.argv else ()):
            settings(desk, warning)
            child = subprocess.Popen(["sleep", "600"])
            count = len(desk.power_calls())
            program = instance(desk, binary, f"end{len(lateness)}",
                               ["--poweroff", "--force", "--when-exits", str(child.pid)])
            desk.main_window(program)
            time.sleep(1)
            ended = time.time()
            child.kill()
            call = wait_for(lambda: desk.power_calls()[count:], 70, 0.002, "a request")[0]
            child.wait()
            program.wait(10)
            lateness.append((warning, (call["t"] - ended - 60 * warning) * 1000))
        if not lateness:
            return
        plain = [ms for warning, ms in lateness if not warning]
        print(f"\nProgram end to the mock, no warning: median {statistics.median(plain):.1f} ms "
              f"[{min(plain):.1f} … {max(plain):.1f}] (n={len(plain)}); with the warning "
              f"minute: 60 s + {lateness[-1][1]:.1f} ms")


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
