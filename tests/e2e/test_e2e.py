#!/usr/bin/python3
"""The real orvanta driven by real input on a private desktop (harness.py); one scenario per
process, as libatspi keeps its bus:  /usr/bin/python3 test_e2e.py BINARY SCENARIO"""

import contextlib
import math
import os
import re
import socket
import subprocess
import sys
import threading
import time

import dbus

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import handoff  # noqa: E402
import harness as h  # noqa: E402
from harness import Desktop, wait_for  # noqa: E402

FORCED = ["UInt64"], [0x10]  # logind's flag to skip inhibitors, on the wire as 't'


def save_settings(desk, **keys):  # as an earlier run would have saved them
    os.makedirs(os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta"))
    with open(os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta", "Orvanta.conf"), "w") as f:
        f.write("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in keys.items()))


def power(desk):
    return [(c["method"], c["wire"], c["args"], c["refused"]) for c in desk.power_calls()]


def notified(mock, count):
    calls = wait_for(lambda: mock.GetMethodCalls("Notify")[count - 1:], 5, what="a notification")
    return [str(a) if not isinstance(a, list) else [str(x) for x in a] for a in calls[-1][1]]


def three_seconds(desk, frame, action):  # clicked and typed: the action, a countdown of 3 s
    for name in (action, "Countdown"):
        radio = h.find(frame, "radio button", name)
        desk.click(*h.point(radio, left=8))  # on the indicator: the caption may end short
        wait_for(lambda: h.state(radio, "checked"), 3, what=f"{name!r} selected")
    seconds = h.find(frame, "text", "Countdown seconds")
    desk.click(*h.point(seconds))
    wait_for(lambda: h.state(seconds, "focused"), 3, what="the focus in the seconds")
    desk.xdotool("key", "--clearmodifiers", "ctrl+a", "3")
    wait_for(lambda: h.text(seconds) == "3", 3, what="3 typed into the seconds")


def warning_postpone_cancel(desk, binary):
    notifications = desk.start_notifications()
    save_settings(desk, Action=1, TimeSetting=1, CountDown2=30)
    program, _, frame, _ = desk.launch(binary)
    desk.click(*h.point(h.find(frame, "push button", "Start")))
    args = notified(notifications, 1)
    assert args[4] == "The computer will be turned off in 31 seconds", args
    assert args[5] == ["postpone", "+10 minutes", "cancel", "Cancel"], args
    notifications.EmitSignal(h.NOTIFICATIONS, "ActionInvoked", "us", [1, "postpone"])
    minutes = h.find(frame, "text", "Countdown minutes")
    wait_for(lambda: h.text(minutes) == "10", 5, what="ten minutes more in the fields")
    started = time.time()
    assert desk.start_program(binary, args=["--poweroff", "--in", "0:00:02"]).wait(10) == 0
    assert notified(notifications, 2)[1] == "0", "a new notification, not the closed one"
    # The mock numbers new notifications 1, 2, ...
    notifications.EmitSignal(h.NOTIFICATIONS, "ActionInvoked", "us", [2, "cancel"])
    wait_for(lambda: h.find_all(frame, "push button", "Start"), 5, what="Cancel disarming")
    time.sleep(max(0.0, started + 4 - time.time()))  # past the moment it would have fired
    assert program.poll() is None and not desk.power_calls()


def command_line(desk, binary):
    """No window for a refusal or --cancel alone; later starts' commands, till it has asked."""
    with desk.maps() as mapped:
        for args, status, said in ((["--poweroff", "--when-exits", "nosuch"], 2, "Usage:"),
                                   (["--cancel"], 0, "not running"),
                                   (["--postpone", "0:10"], 2, "not running")):
            alone = desk.start_program(binary, args=args)
            assert alone.wait(10) == status and said in desk.output(alone.log), alone.log
    assert not mapped, mapped
    # A later start is no program of the user's to wait for; refused arguments disarm nothing.
    name = f"orvanta-{os.getpid()}"
    os.symlink(binary, mine := os.path.join(desk.bin, name))
    first = desk.start_program(mine, args=["--logoff", "--in", "90"])
    frame = h.find(h.accessible_app(first.pid), "frame")
    for args, status, button in ((["--reboot", "--at", "24:00"], 2, "Stop"),
                                 (["--cancel"], 0, "Start"),
                                 (["--poweroff", "--when-exits", name], 2, "Start")):
        later = desk.start_program(mine, args=args)
        assert later.wait(10) == status, (args, desk.output(later.log))
        h.find(frame, "push button", button)
    assert desk.start_program(mine, args=["--poweroff", "--force", "--in", "0:00:02"]).wait(10) == 0
    wait_for(desk.power_calls, 8, what="a power request")  # answered 2 s later
    late = desk.start_program(mine, args=["--cancel"])
    assert late.wait(10) == 3 and "too late" in desk.output(late.log), desk.output(late.log)
    assert first.wait(5) == 0 and power(desk) == [("PowerOffWithFlags", *FORCED, None)]


def tray_hide_restore(desk, binary):
    """Hidden, a double-click on the icon, or the tray going away, brings the window back.
    (A second start: handoff.hidden_without_tray.)"""
    program, wid, frame, (icon, (x, y, width, height)) = desk.launch(binary)
    hide = h.point(h.find(frame, "push button", "Minimize to system tray"))
    desk.click(*hide)
    wait_for(lambda: not desk.viewable(wid), 5, what="the window hidden")
    assert program.poll() is None and desk.tray_icons(program.pid)[0][0] == icon
    desk.click(x + width // 2, y + height // 2, count=2)
    wait_for(lambda: desk.viewable(wid), 5, what="the window back after a double-click")
    assert desk.stacking()[0] == wid, "the window on top"
    wait_for(lambda: desk.focus() == wid, 3, what="the keyboard focus on the window")
    desk.click(*hide)
    wait_for(lambda: not desk.viewable(wid), 5, what="the window hidden again")
    desk.stop_popen(desk.tray)  # the panel goes away: nothing left to double-click
    wait_for(lambda: desk.viewable(wid), 5, what="the window back without a tray")
    desk.start_tray()
    wait_for(lambda: desk.tray_icons(program.pid), 10, what="the icon docked again")


def stuck_buses(desk, binary):
    """Buses stuck in the handshake: the window shows, the request refused in bounded time."""
    save_settings(desk, Action=1, TimeSetting=1, CountDown2=1)
    for kind in ("silent", "first-line"):
        held = []

        def serve(listener):
            with contextlib.suppress(OSError):
                while True:
                    conn = listener.accept()[0]
                    held.append(conn)
                    data = b""
                    while kind != "silent" and b"\r\n" not in data and (got := conn.recv(256)):
                        data += got
                    if kind != "silent":
                        conn.sendall(b"OK " + b"0" * 32 + b"\r\n")

        env = {}
        for name in ("system", "session"):
            listener = socket.socket(socket.AF_UNIX)
            listener.bind(os.path.join(desk.tmp, f"{kind}-{name}"))
            listener.listen()
            held.append(listener)
            threading.Thread(target=serve, args=(listener,), daemon=True).start()
            env[f"DBUS_{name.upper()}_BUS_ADDRESS"] = f"unix:path={desk.tmp}/{kind}-{name}"
        program = desk.start_program(binary, env)
        wid = desk.main_window(program)
        desk.focus(wid)
        desk.xdotool("key", "space")  # Start has the focus
        # The warning window is called Orvanta too: the refusal is known by its line.
        wait_for(lambda: "did not answer" in desk.output(program.log), 10, what="the refusal")
        assert program.poll() is None and not desk.power_calls()
        desk.stop_popen(program)
        for each in held:
            each.close()


def wayland(desk, binary):
    """Native Wayland, no tray: hide minimizes, --show restores, Start (AT-SPI) reaches logind."""
    save_settings(desk, Action=1, TimeSetting=1, CountDown2=1)
    program = desk.start_program(binary)
    frame = h.find(h.accessible_app(program.pid), "frame")
    wait_for(lambda: h.state(frame, "showing") and desk.on_screen(), 10, what="the window")
    h.find(frame, "push button", "Minimize to system tray").queryAction().doAction(0)
    wait_for(lambda: not desk.on_screen(), 5, what="the window minimized")
    assert program.poll() is None and h.state(frame, "visible"), "minimized, not hidden"
    assert desk.start_program(binary, args=["--show"]).wait(10) == 0
    wait_for(desk.on_screen, 5, what="the window back after --show")
    h.find(frame, "push button", "Start").queryAction().doAction(0)
    wait_for(desk.power_calls, 8, what="a power request")
    assert program.wait(5) == 0 and power(desk) == [("PowerOffWithFlags", *FORCED, None)]


def waits(desk, binary):
    """No warning: a batch loop's long-named job ending for good; 8 CPUs falling quiet."""
    save_settings(desk, Warning=0)
    job = os.path.join(desk.home, f"nightly-backup-job-{os.getpid()}.sh")  # no other test's
    with open(job, "w") as f:
        f.write("#!/bin/sh\nread line\n")  # runs until the test closes its input
    os.chmod(job, 0o755)
    run = subprocess.Popen([job], stdin=subprocess.PIPE)
    program = desk.start_program(binary, args=["--poweroff", "--when-exits", job.split("/")[-1]])
    frame = h.find(h.accessible_app(program.pid), "frame")
    for again in (True, False):  # the loop's next job keeps it waiting
        h.find(frame, "label", f"{job.split('/')[-1]} ({run.pid}) still running\n"
               "The computer is kept awake until then.", timeout=10)
        run.stdin.close()
        run.wait()
        ended = time.time()
        if again:
            time.sleep(0.2)  # the loop's gap
            run = subprocess.Popen([job], stdin=subprocess.PIPE)
    call = wait_for(desk.power_calls, 5, 0.01, what="the request after the batch")[0]
    # The end is told, not polled for: the request follows once no job came for 2 s.
    assert program.wait(5) == 0 and 0 < call["t"] - ended < 3, call["t"] - ended

    proc, busy, stop = os.path.join(desk.tmp, "proc"), [3], threading.Event()
    os.makedirs(os.path.join(proc, "net"))
    for name, text in (("net/dev", "-|\n |\n  eth0: 1000 0 0 0 0 0 0 0 2000 0 0 0 0 0 0 0\n"),
                       ("diskstats", "   8       0 sda 100 0 2000 0 50 0 1000 0 0 0 0\n")):
        with open(os.path.join(proc, name), "w") as f:
            f.write(text)

    def tick():  # 8 CPUs, 100 ticks a second each; one busy is 12.5 % of them all
        cpus = [[0, 0] for _ in range(8)]  # busy and idle ticks
        while True:
            with open(os.path.join(proc, "stat.new"), "w") as f:
                f.write("".join(f"cpu{n} {b} 0 0 {i} 0 0 0 0\n" for n, (b, i) in
                                [(" ", map(sum, zip(*cpus))), *enumerate(cpus)]))
            os.replace(f.name, os.path.join(proc, "stat"))  # never read half written
            for n, cpu in enumerate(cpus):
                cpu[n != busy[0]] += 20
            if stop.wait(0.2):
                return

    threading.Thread(target=tick, daemon=True).start()
    program = desk.start_program(binary, {"ORVANTA_PROC_ROOT": proc},
                                 ["--reboot", "--when-quiet", "0.05", "--disk", "500"])
    frame = h.find(h.accessible_app(program.pid), "frame")
    wait_for(lambda: [a for a in h.find_all(frame, "label") if "CPU 100 %" in a.name], 10,
             what="one busy CPU of 8 judged")
    assert len(desk.power_calls()) == 1, power(desk)
    quiet, busy[0] = time.time(), None
    call = wait_for(lambda: desk.power_calls()[1:], 15, what="a request once quiet")[0]
    assert program.wait(5) == 0 and call["t"] - quiet >= 3, "not before the span"
    stop.set()
    assert [c["method"] for c in desk.power_calls()] == ["PowerOffWithFlags", "RebootWithFlags"]


def sleep_and_lock(desk, binary):
    """Clicked and typed, warned by a notification nobody answers, a sleep comes on time and
    leaves it running, disarmed; a lock unconfirmed. (An action the system cannot carry out,
    greyed and refused: tst_mainwindow's "hibernate impossible", tst_dbuspower.)"""
    notifications = desk.start_notifications()
    program, wid, frame, _ = desk.launch(binary)
    three_seconds(desk, frame, "Sleep")
    desk.move(*h.point(h.find(frame, "push button", "Start")))
    due = desk.timed_release()[1] + 4  # 3, 2, 1 and 0 shown a second each; the tick after 0 asks
    late = wait_for(desk.power_calls, 9, what="a power request")[0]["t"] - due
    print(f"sleep: due -> SuspendWithFlags at the mock {1000 * late:.0f} ms")
    assert -0.5 < late < 2.0, late
    assert notified(notifications, 1)[4] == "The computer will go to sleep in 4 seconds"
    wait_for(lambda: h.find_all(frame, "push button", "Start"), 5, what="Start again")
    assert program.poll() is None and desk.viewable(wid), "running, its window as it was"
    logind = dbus.Interface(dbus.bus.BusConnection(desk.system_address).get_object(
        h.LOGIND, h.LOGIND_PATH), h.MOCK)
    for going in (True, False):
        logind.EmitSignal(f"{h.LOGIND}.Manager", "PrepareForSleep", "b", [going])
    time.sleep(3)
    assert power(desk) == [("SuspendWithFlags", *FORCED, None)], power(desk)
    # Nothing here locks: the session's LockedHint never turns true.
    assert desk.start_program(binary, args=["--lock", "--in", "0:00:01"]).wait(10) == 0
    alert = h.find(h.accessible_app(program.pid), "alert", timeout=20)
    texts = " ".join(label.name for label in h.find_all(alert, "label") if label.name)
    assert "The screen was not locked." in texts, texts
    assert program.poll() is None and len(desk.power_calls()) == 1


def schedules(desk, binary):
    """--schedule alone: written, autostarted, fired on time; a missed one later fires nothing."""
    target = math.ceil((time.time() + 8) / 60) * 60  # the next minute at least 8 s away
    hhmm = time.strftime("%H:%M", time.localtime(target))
    program = desk.start_program(binary, args=["--schedule", f"daily {hhmm}", "--poweroff",
                                               "--force"])
    wait_for(lambda: "runs on in the notification area" in desk.output(program.log), 10,
             what="the schedule written")
    assert f"Every day {hhmm} — Turn off computer (Force)" in desk.output(program.log)
    entry = os.path.join(desk.xdg["XDG_CONFIG_HOME"], "autostart", "orvanta.desktop")
    assert "--autostart" in open(entry).read()
    wait_for(lambda: desk.tray_icons(program.pid), 10, 0.05, "the icon docked")
    assert not desk.windows(program.pid), "a schedule's start shows no window"
    app = h.accessible_app(program.pid)
    wait_for(lambda: [a for a in h.find_all(app, "label") if "turned off in" in a.name],
             target - time.time(), 0.2, "the warning")
    call = wait_for(desk.power_calls, target - time.time() + 5, what="the scheduled request")[0]
    late = call["t"] - target
    print(f"schedule: due -> PowerOffWithFlags at the mock {1000 * late:.0f} ms")
    assert program.wait(5) == 0 and 0 <= late < 1, late
    assert power(desk) == [("PowerOffWithFlags", *FORCED, None)], power(desk)
    # Settled yesterday: today's occurrence passed while nothing ran.
    conf = os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta", "Orvanta.conf")
    stored = open(conf).read()
    settled = time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(target - 86400))
    with open(conf, "w") as f:
        f.write(re.sub(r"Schedule1Settled=\S*", f"Schedule1Settled={settled}", stored))
    time.sleep(max(0.0, target + 6 - time.time()))  # past the grace
    again = desk.start_program(binary, args=["--autostart"])
    wait_for(lambda: desk.tray_icons(again.pid), 10, 0.05, "the icon docked")
    listing = desk.start_program(binary, args=["--schedules"])
    assert listing.wait(10) == 0
    said = desk.output(listing.log)
    assert f"Missed: {time.strftime('%A', time.localtime(target))} {hhmm}" in said, said
    assert "Next: " in said and again.poll() is None and len(desk.power_calls()) == 1
    assert desk.start_program(binary, args=["--schedule-remove", "1"]).wait(10) == 0
    wait_for(lambda: not os.path.exists(entry), 5, what="the entry removed")
    assert desk.start_program(binary, args=["--show"]).wait(10) == 0
    desk.main_window(again)  # a start with the session comes up when asked


def awake_killed(desk, binary):
    """Armed, it holds logind's idle lock; killed, the system closes the lock's descriptor."""
    logind = dbus.Interface(dbus.bus.BusConnection(desk.system_address).get_object(
        h.LOGIND, h.LOGIND_PATH), f"{h.LOGIND}.Manager")
    program = desk.start_program(binary, args=["--sleep", "--in", "1:00:00"])
    held = wait_for(logind.ListInhibitors, 15, what="the idle lock")
    assert [tuple(map(str, i[:4])) for i in held] == [
        ("idle", "Orvanta", "An action is armed for later", "block")], held
    program.kill()
    # The mock drops it when the other end of its pipe closes.
    wait_for(lambda: not logind.ListInhibitors(), 5, what="the lock gone with the program")


def commands(desk, binary):
    """The user's command before the action: failing, cancelled with its group, out of its
    time, ending well; a missing program refused; the command as the action."""
    job, mode, ran = (os.path.join(desk.home, n) for n in ("job.sh", "mode", "ran"))
    with open(job, "w") as f:  # "long" leaves a child in its group, as a backup's tool would
        f.write(f"#!/bin/sh\necho \"$$\" > {job}.pid\ncase $(cat {mode}) in\n"
                f"fail) echo 'disk full' >&2; exit 1;;\nlong) sleep 300 & wait;;\n"
                f"*) sleep 1; date +%s.%N > {ran};;\nesac\n")
    os.chmod(job, 0o755)
    save_settings(desk, Warning=0, Command=job, CommandBefore=1, CommandLimit=3,
                  CommandAtLimit=1)
    program = desk.start_program(binary)
    desk.main_window(program)  # running: what follows is handed to it

    def arm(what, args=("--sleep", "--in", "0:00:01")):
        with open(mode, "w") as f:
            f.write(what)
        with contextlib.suppress(FileNotFoundError):
            os.remove(f"{job}.pid")
        assert desk.start_program(binary, args=list(args)).wait(10) == 0
        return int(wait_for(lambda: desk.output(f"{job}.pid").strip(), 5, what="the job"))

    def group_gone(pgid):  # zombies aside: orphans may wait here for a reaper that never comes
        def member(pid):
            with contextlib.suppress(OSError):
                fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
                return fields[0] != "Z" and int(fields[2]) == pgid
        return not any(member(pid) for pid in os.listdir("/proc") if pid.isdigit())

    arm("fail")
    wait_for(lambda: "The action was cancelled." in desk.output(program.log), 5, what="a refusal")
    assert "job.sh ended with status 1" in desk.output(program.log)
    assert "disk full" in desk.output(program.log) and not desk.power_calls()
    pgid = arm("long")
    cancel = desk.start_program(binary, args=["--cancel"])
    assert cancel.wait(10) == 0 and "Stopped: running job.sh" in desk.output(cancel.log)
    wait_for(lambda: group_gone(pgid), 5, what="the job's group ended")
    pgid = arm("long")  # its limit of 3 s, then the sleep, as chosen
    wait_for(desk.power_calls, 10, what="the sleep after the limit")
    assert group_gone(pgid) and "time limit: the action goes ahead" in desk.output(program.log)
    assert power(desk) == [("SuspendWithFlags", ["UInt64"], [0], None)], power(desk)
    refused = desk.start_program(binary, args=["--run", "nosuch-tool -x", "--in", "5"])
    assert refused.wait(10) == 2 and "nosuch-tool was not found" in desk.output(refused.log)
    arm("ok", ["--run", f'"{job}"', "--in", "0:00:01"])  # as the action: it stays
    wait_for(lambda: "job.sh ended with status 0" in desk.output(program.log), 5, what="the run")
    assert program.poll() is None and len(desk.power_calls()) == 1
    os.remove(ran)
    arm("ok", ["--poweroff", "--in", "0:00:01"])
    call = wait_for(lambda: desk.power_calls()[1:], 8, what="the power off")[0]
    assert float(open(ran).read()) < call["t"] and program.wait(5) == 0


SCENARIOS = {f.__name__: f for f in (
    commands,
    schedules, sleep_and_lock, awake_killed,
    warning_postpone_cancel,
    command_line, tray_hide_restore, stuck_buses,
    wayland, waits)} | handoff.SCENARIOS
POWERING = ("commands", "schedules", "sleep_and_lock", "command_line", "waits",
            "wayland", *handoff.POWERING)


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in SCENARIOS:
        sys.exit(f"usage: {sys.argv[0]} BINARY {'|'.join(SCENARIOS)}")
    binary, name = os.path.abspath(sys.argv[1]), sys.argv[2]
    with Desktop(logind="slow" if name == "command_line" else "accept",
                 a11y=name not in ("stuck_buses", "commands"),
                 wayland=name == "wayland") as desk:
        SCENARIOS[name](desk, binary)
        assert desk.recorded_commands() == "", desk.recorded_commands()
        assert name in POWERING or not desk.power_calls(), power(desk)
    print(f"--- {name} passed")
