#!/usr/bin/python3
"""Scenarios of the real orvanta binary, driven as a user drives it: real pointer input
(XTest) and keys (xdotool), controls found over AT-SPI by their accessible names, power
requests caught by a logind mock on a private system bus.

    /usr/bin/python3 test_e2e.py BINARY SCENARIO   (one per process: libatspi keeps its bus)
"""

import contextlib
import math
import os
import socket
import subprocess
import sys
import threading
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import handoff  # noqa: E402
import harness as h  # noqa: E402
from harness import Desktop, wait_for  # noqa: E402

MESSAGE = "Another instance of Orvanta is already running.\r\nClosing this instance now."
FORCED = ["UInt64"], [0x10]  # logind's flag to skip inhibitors, on the wire as 't'
UNITS = ("hours", "minutes", "seconds")


def save_settings(desk, **keys):
    """A settings file as an earlier run would have saved it."""
    os.makedirs(os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta"))
    with open(os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta", "Orvanta.conf"), "w") as f:
        f.write("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in keys.items()))


def power(desk):
    return [(c["method"], c["wire"], c["args"], c["refused"]) for c in desk.power_calls()]


def arm(desk, frame, due):
    """A real click on Start; returns how late the power request came after due(click)."""
    desk.move(*h.point(h.find(frame, "push button", "Start")))
    clicked = desk.timed_release()[1]
    call = wait_for(desk.power_calls, due(clicked) - clicked + 5, what="a power request")[0]
    return call["t"] - due(clicked)


def second_instance(desk, binary):
    first, wid, _, _ = desk.launch(binary)
    second = desk.start_program(binary)
    alert = h.find(h.accessible_app(second.pid), "alert", timeout=10)
    texts = [label.name for label in h.find_all(alert, "label") if label.name]
    assert (alert.name, texts) == ("Orvanta", [MESSAGE]), (alert.name, texts)
    assert not desk.windows(second.pid) and not desk.tray_icons(second.pid)
    desk.click(*h.point(h.find(alert, "push button", "OK")))
    assert second.wait(5) == 0
    assert first.poll() is None and desk.windows(first.pid) == [wid], "the first window"


def notified(mock, count):
    calls = wait_for(lambda: mock.GetMethodCalls("Notify")[count - 1:], 5, what="a notification")
    return [str(a) if not isinstance(a, list) else [str(x) for x in a] for a in calls[-1][1]]


def countdown_power_off(desk, binary):
    notifications = desk.start_notifications()  # nobody reacts: the firing time holds
    program, wid, frame, _ = desk.launch(binary)
    desk.focus(wid)
    for name in ("Turn off computer", "Countdown"):
        radio = h.find(frame, "radio button", name)
        desk.click(*h.point(radio, left=8))  # on the indicator: the caption may end short
        wait_for(lambda: h.state(radio, "checked"), 3, what=f"{name!r} selected")
    seconds = h.find(frame, "text", "Countdown seconds")
    desk.click(*h.point(seconds))
    wait_for(lambda: h.state(seconds, "focused"), 3, what="the focus in the seconds")
    desk.xdotool("key", "--clearmodifiers", "ctrl+a", "3")
    wait_for(lambda: h.text(seconds) == "3", 3, what="3 typed into the seconds")
    # 3, 2, 1 and 0 are shown a second each; the tick after 0 asks.
    late = arm(desk, frame, lambda clicked: clicked + 4)
    assert program.wait(8) == 0
    assert notified(notifications, 1)[4] == "The computer will be turned off in 4 seconds"
    assert power(desk) == [("PowerOffWithFlags", *FORCED, None)], power(desk)
    assert -0.5 < late < 2.0, late


def time_of_day_restart(desk, binary):
    target = math.floor(time.time()) + 6
    target += time.localtime(target)[3:6] == (0, 0, 0)  # midnight is 0, which arming refuses
    t = time.localtime(target)
    save_settings(desk, Action=2, TimeSetting=0, Time0=t.tm_hour, Time1=t.tm_min, Time2=t.tm_sec)
    program, _, frame, _ = desk.launch(binary)
    row = [h.text(h.find(frame, "text", f"Time of day {unit}")) for unit in UNITS]
    assert row == [str(t.tm_hour), str(t.tm_min), str(t.tm_sec)], row
    late = arm(desk, frame, lambda _: target)  # due at the start of the target second
    assert program.wait(8) == 0
    assert power(desk) == [("RebootWithFlags", *FORCED, None)], power(desk)
    assert 0 <= late < 1, late


def warning_postpone_cancel(desk, binary):
    notifications = desk.start_notifications()
    save_settings(desk, Action=1, TimeSetting=1, CountDown2=30)
    program, _, frame, _ = desk.launch(binary)
    desk.click(*h.point(h.find(frame, "push button", "Start")))
    args = notified(notifications, 1)
    assert args[4] == "The computer will be turned off in 31 seconds", args
    assert args[5] == ["postpone", "Postpone 10 minutes", "cancel", "Cancel"], args
    notifications.EmitSignal(h.NOTIFICATIONS, "ActionInvoked", "us", [1, "postpone"])
    minutes = h.find(frame, "text", "Countdown minutes")
    wait_for(lambda: h.text(minutes) == "10", 5, what="ten minutes more in the fields")
    desk.click(*h.point(h.find(frame, "push button", "Stop")))
    desk.click(*h.point(h.find(frame, "push button", "Start")))  # 0:10:xx: no warning yet
    desk.click(*h.point(h.find(frame, "push button", "Stop")))
    for unit, value in (("minutes", "0"), ("seconds", "2")):
        field = h.find(frame, "text", f"Countdown {unit}")
        desk.click(*h.point(field))
        desk.xdotool("key", "--clearmodifiers", "ctrl+a", value)
    desk.click(*h.point(h.find(frame, "push button", "Start")))
    assert notified(notifications, 2)[1] == "0", "a new notification, not the closed one"
    # The mock numbers new notifications 1, 2, ...
    notifications.EmitSignal(h.NOTIFICATIONS, "ActionInvoked", "us", [2, "cancel"])
    wait_for(lambda: h.find_all(frame, "push button", "Start"), 5, what="Cancel disarming")
    time.sleep(3.5)  # past the moment it would have fired
    assert program.poll() is None and not desk.power_calls()


def command_line(desk, binary):
    first = desk.start_program(binary, args=["--poweroff", "--force", "--in", "0:00:02"])
    frame = h.find(h.accessible_app(first.pid), "frame")
    h.find(frame, "push button", "Stop")  # armed as if Start had been pressed
    wait_for(desk.power_calls, 8, what="a power request")
    assert first.wait(5) == 0 and power(desk) == [("PowerOffWithFlags", *FORCED, None)]
    # Handed to a running instance; refused arguments arm nothing.
    running, _, frame, _ = desk.launch(binary)
    for args, status in ((["--reboot", "--at", "24:00"], 2), (["--logoff", "--in", "90"], 0)):
        later = desk.start_program(binary, args=args)
        assert later.wait(10) == status, desk.output(later.log)
    assert [h.text(h.find(frame, "text", f"Countdown {u}")) for u in UNITS[:2]] == ["1", "30"]
    assert desk.start_program(binary, args=["--cancel"]).wait(10) == 0
    wait_for(lambda: h.find_all(frame, "push button", "Start"), 5, what="disarmed")
    assert running.poll() is None and len(desk.power_calls()) == 1


def tray_hide_restore(desk, binary):
    program, wid, frame, (icon, (x, y, width, height)) = desk.launch(binary)
    desk.click(*h.point(h.find(frame, "push button", "Minimize to system tray")))
    wait_for(lambda: not desk.viewable(wid), 5, what="the window hidden")
    assert program.poll() is None and desk.tray_icons(program.pid)[0][0] == icon
    desk.click(x + width // 2, y + height // 2, count=2)
    wait_for(lambda: desk.viewable(wid), 5, what="the window back after a double-click")
    assert desk.stacking()[0] == wid, "the window on top"
    wait_for(lambda: desk.focus() == wid, 3, what="the keyboard focus on the window")


def tray_lost_while_hidden(desk, binary):
    program, wid, frame, _ = desk.launch(binary)
    desk.click(*h.point(h.find(frame, "push button", "Minimize to system tray")))
    wait_for(lambda: not desk.viewable(wid), 5, what="the window hidden")
    desk.stop_popen(desk.tray)  # the panel goes away: nothing left to double-click
    wait_for(lambda: desk.viewable(wid), 5, what="the window back without a tray")
    desk.start_tray()
    wait_for(lambda: desk.tray_icons(program.pid), 10, what="the icon docked again")


def refused_request(desk, binary):
    save_settings(desk, Action=1, TimeSetting=1, CountDown2=1)
    program, _, frame, _ = desk.launch(binary)
    arm(desk, frame, lambda clicked: clicked + 2)
    denied = "org.freedesktop.DBus.Error.AccessDenied"
    assert power(desk) and all(c[3] == denied for c in power(desk)), power(desk)
    # The user is told; the program stays, disarmed, for Force or another time.
    alert = h.find(h.accessible_app(program.pid), "alert", timeout=10)
    texts = [label.name for label in h.find_all(alert, "label") if label.name]
    assert alert.name == "Orvanta" and texts[0].startswith("The computer was not turned off."), texts
    desk.click(*h.point(h.find(alert, "push button", "OK")))
    wait_for(lambda: h.find_all(frame, "push button", "Start"), 5, what="Start again")
    assert program.poll() is None
    lines = [line for line in desk.output(program.log).splitlines() if "refused" in line]
    assert len(lines) == 1 and "power off (forced)" in lines[0] and denied in lines[0], lines


def stuck_buses(desk, binary):
    """Buses that accept a connection and never answer, or answer the first line of the
    handshake and then nothing: the window still shows, and the power request is refused in
    bounded time instead of freezing it."""
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
        wait_for(lambda: desk.windows(program.pid, "Orvanta"), 10, what="the refusal shown")
        assert program.poll() is None and not desk.power_calls()
        assert "did not answer" in desk.output(program.log), (kind, desk.output(program.log))
        desk.stop_popen(program)
        for each in held:
            each.close()


def stale_lock(desk, binary):
    first = desk.launch(binary)[0]
    first.kill()
    assert first.wait(5) < 0
    lock = os.path.join(desk.xdg["XDG_RUNTIME_DIR"], "orvanta.lock")
    assert os.path.exists(lock)
    again, wid, _, _ = desk.launch(binary)
    time.sleep(0.5)
    assert not h.find_all(h.accessible_app(again.pid), "alert"), "a message box"
    assert again.poll() is None and desk.viewable(wid)
    desk.stop_popen(again)
    # What a power cut or a stranger leaves is never taken for a running instance.
    os.remove(lock)
    os.mkdir(lock)
    third, wid, _, _ = desk.launch(binary)
    assert third.poll() is None and desk.viewable(wid)
    assert lock in desk.output(third.log), desk.output(third.log)


def wayland(desk, binary):
    """Native Wayland, no notification area: the hide button minimizes, a later start with
    --show brings the window back, and Start pressed over AT-SPI reaches logind."""
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
    """Besides the clock, the warning turned off: a program's end (at once), counters the
    test writes falling quiet, nobody at the X server's keyboard; a gone program refused."""
    save_settings(desk, Warning=0)
    child = subprocess.Popen(["sleep", "60"])
    program = desk.start_program(binary, args=["--poweroff", "--force", "--when-exits",
                                               str(child.pid)])
    frame = h.find(h.accessible_app(program.pid), "frame")
    h.find(frame, "label", f"sleep ({child.pid}) still running")
    refused = desk.start_program(binary, args=["--reboot", "--when-exits", "no-such-program"])
    assert refused.wait(10) == 2 and program.poll() is None, desk.output(refused.log)
    ended = time.time()
    child.kill()
    call = wait_for(desk.power_calls, 5, 0.005, what="a power request")[0]
    assert program.wait(5) == 0 and call["t"] - ended < 0.5, call["t"] - ended
    child.wait()

    proc = os.path.join(desk.tmp, "proc")
    os.makedirs(os.path.join(proc, "net"))
    with open(os.path.join(proc, "net", "dev"), "w") as f:
        f.write("Inter-|\n face |\n  eth0: 1000 0 0 0 0 0 0 0 2000 0 0 0 0 0 0 0\n")
    stop = threading.Event()

    def tick():  # one busy second, then idle CPUs
        for n in range(100000):
            with open(os.path.join(proc, "stat"), "w") as f:
                f.write(f"cpu  {100 + min(n, 2) * 100} 0 0 {1000 + n * 100} 0 0 0 0\n")
            if stop.wait(0.5):
                return

    threading.Thread(target=tick, daemon=True).start()
    for args, env in ((["--when-quiet", "0.05", "--cpu", "20"], {"ORVANTA_PROC_ROOT": proc}),
                      (["--when-idle", "0.05"], {})):
        desk.move(10 + len(env), 10)  # input: nobody has been away since before
        started, before = time.time(), len(desk.power_calls())
        program = desk.start_program(binary, env, ["--reboot", *args])
        call = wait_for(lambda: desk.power_calls()[before:], 15, 0.05,
                        what=f"a request after {args[0]}")[0]
        assert program.wait(5) == 0 and call["t"] - started >= 3, "not before the span"
    stop.set()
    assert [c["method"] for c in desk.power_calls()] == ["PowerOffWithFlags", "RebootWithFlags",
                                                         "RebootWithFlags"], power(desk)


SCENARIOS = {f.__name__: f for f in (
    second_instance, countdown_power_off, time_of_day_restart, warning_postpone_cancel,
    command_line, tray_hide_restore, tray_lost_while_hidden, refused_request, stuck_buses,
    stale_lock, wayland, waits)} | handoff.SCENARIOS
POWERING = ("countdown_power_off", "time_of_day_restart", "refused_request", "command_line",
            "waits", "wayland", *handoff.POWERING)


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in SCENARIOS:
        sys.exit(f"usage: {sys.argv[0]} BINARY {'|'.join(SCENARIOS)}")
    binary, name = os.path.abspath(sys.argv[1]), sys.argv[2]
    with Desktop(logind="refuse" if name == "refused_request" else "accept",
                 a11y=name != "stuck_buses", wayland=name == "wayland") as desk:
        SCENARIOS[name](desk, binary)
        assert desk.recorded_commands() == "", desk.recorded_commands()
        assert name in POWERING or not desk.power_calls(), power(desk)
    print(f"--- {name} passed")
