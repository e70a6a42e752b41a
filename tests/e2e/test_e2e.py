#!/usr/bin/python3
"""End-to-end scenarios of the real orvanta binary, driven the way a user drives it:
real pointer and key input (xdotool), the window read over AT-SPI, the power requests
caught by a logind mock on a private system bus.

    /usr/bin/python3 test_e2e.py BINARY SCENARIO [SCENARIO...]

Each scenario builds its own private desktop (harness.Desktop) and tears it down.
"""

import math
import os
import re
import signal
import subprocess
import sys
import time
import traceback

# Nothing written into the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Desktop, HarnessError, SD_LOGIND_SKIP_INHIBITORS, wait_for  # noqa: E402

MESSAGE = "Another instance of Orvanta is already running.\r\nClosing this instance now."
FORCE = "Force (no warnings by other programs, etc.)"
ACTIONS = ("Log off user", "Turn off computer", "Restart computer")
MODES = ("At a specific time", "Countdown")
UNITS = ("hours", "minutes", "seconds")

a11y = None  # imported once a desktop exists: libatspi binds to the first bus it sees


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def equal(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")


def log(message):
    print(f"[{time.strftime('%H:%M:%S')}] {message}", flush=True)


def launch(desk, binary):
    """Starts the program and waits until its main window is mapped and readable."""
    global a11y
    if a11y is None:
        import a11y as module
        a11y = module
    program = desk.start_program(binary)
    wid = program.main_window()
    window = a11y.Window(program.pid)
    return program, wid, window


def activate(desk, wid, window):
    # Without a window manager nothing gives a new window the keyboard focus.
    desk.focus_window(wid)
    wait_for(lambda: a11y.has_state(window.frame, a11y.pyatspi.STATE_ACTIVE), 5,
             what="the main window active")


def choose(desk, control):
    """A real click on a radio button's or check box's indicator."""
    desk.click(*a11y.indicator(control))


def select(desk, window, name):
    radio = window.radio(name)
    if not a11y.checked(radio):
        choose(desk, radio)
    wait_for(lambda: a11y.checked(radio), 3, what=f"{name!r} selected")


def type_into(desk, field, value):
    """Clicks into a time field, selects its text and types value with real keys."""
    desk.click(*a11y.centre(field))
    wait_for(lambda: a11y.focused(field), 3, what=f"focus in {field.name!r}")
    desk.key("ctrl+a")
    desk.type_text(value)
    wait_for(lambda: a11y.text(field) == value, 3, what=f"{field.name!r} showing {value!r}")


def fill_row(desk, window, mode, values):
    for unit, value in zip(UNITS, values):
        type_into(desk, window.field(f"{mode} {unit}"), value)


def open_menu_and_choose(desk, window, menu, item):
    """File > Save settings and the like, with real clicks."""
    desk.click(*a11y.centre(window.menu_title(menu)))
    entry = window.menu_item(menu, item)
    a11y.wait_showing(entry)
    wait_for(lambda: a11y.extents(entry)[2] > 0, 3, what=f"{item!r} laid out")
    desk.click(*a11y.centre(entry))


def wait_tray_icon(desk, program, timeout=10):
    return wait_for(lambda: desk.tray_icons_of(program), timeout, interval=0.05,
                    what="the program's icon docked in the tray")[0]


def assert_no_power_commands(desk):
    equal(desk.recorded_commands(), "", "commands run from PATH (shutdown, systemctl, ...)")


def assert_no_power_requests(desk):
    equal(desk.power_calls(), [], "power requests at the logind mock")


def assert_gone(desk, program, timeout=8):
    code = program.wait_exit(timeout)
    equal(code, 0, "exit status")
    wait_for(lambda: not desk.tray_icons(), 5, interval=0.05, what="the tray icon removed")


def snapshot(window):
    return {
        "radios": {name: a11y.checked(window.radio(name)) for name in ACTIONS + MODES},
        "force": a11y.checked(window.check(FORCE)),
        "countdown": window.row("Countdown"),
        "time of day": window.row("Time of day"),
        "button": window.button("Start").name,
    }


# ---- scenarios ----------------------------------------------------------------------------


def first_start(binary):
    with Desktop() as desk:
        program, wid, window = launch(desk, binary)
        equal(desk.xdotool("getwindowname", wid).stdout.rstrip("\n"), "Orvanta v1.2", "caption")

        defaults = snapshot(window)
        log(f"defaults: {defaults}")
        equal(defaults["radios"], {"Log off user": True, "Turn off computer": False,
                                   "Restart computer": False, "At a specific time": True,
                                   "Countdown": False}, "selected options")
        equal(defaults["force"], True, "Force ticked")
        equal(defaults["countdown"], ["0", "0", "0"], "countdown fields")
        equal(defaults["time of day"], ["0", "0", "0"], "time-of-day fields")
        # The stored mode is the time of day: that row is the one open for input.
        for unit in UNITS:
            equal(a11y.enabled(window.field(f"Time of day {unit}")), True,
                  f"time-of-day {unit} enabled")
            equal(a11y.enabled(window.field(f"Countdown {unit}")), False,
                  f"countdown {unit} enabled")

        for item in ("Save settings", "Load settings"):
            equal(a11y.enabled(window.menu_item("File", item)), False, f"{item!r} enabled")
        for item in ("Minimize to system tray", "Exit"):
            equal(a11y.enabled(window.menu_item("File", item)), True, f"{item!r} enabled")

        icon = wait_tray_icon(desk, program)
        log(f"tray icon {icon}")
        equal(len(desk.tray_icons()), 1, "icons in the tray")

        activate(desk, wid, window)
        wait_for(lambda: a11y.focused(window.button("Start")), 3, what="focus on Start")

        check(program.running(), "the program is still running")
        assert_no_power_requests(desk)
        assert_no_power_commands(desk)


def second_instance(binary):
    with Desktop() as desk:
        first, wid, window = launch(desk, binary)
        wait_tray_icon(desk, first)
        before = snapshot(window)

        second = desk.start_program(binary)
        box_app = a11y.application(second.pid)
        alert = a11y.find(box_app, a11y.pyatspi.ROLE_ALERT, timeout=10)
        equal(alert.name, "Orvanta", "message box caption")
        texts = [label.name for label in a11y.find_all(alert, a11y.pyatspi.ROLE_LABEL)
                 if label.name]
        equal(texts, [MESSAGE], "message box text")
        buttons = a11y.find_all(alert, a11y.pyatspi.ROLE_PUSH_BUTTON)
        equal([b.name for b in buttons], ["OK"], "message box buttons")
        # The refused instance never shows a window of its own, and adds no icon.
        equal(desk.window_by_name("^Orvanta v1\\.2$", second.pid), [], "second main window")
        equal(desk.tray_icons_of(second), [], "second instance's tray icon")

        desk.click(*a11y.centre(buttons[0]))
        equal(second.wait_exit(5), 0, "exit status of the second instance")

        check(first.running(), "the first instance still runs")
        check(desk.is_viewable(wid), "the first instance's window still shown")
        equal(desk.window_by_name("^Orvanta v1\\.2$"), [wid], "main windows on the screen")
        equal(snapshot(window), before, "the first instance's window")
        icons = desk.tray_icons()
        equal(len(icons), 1, "icons in the tray")
        equal(desk.window_pid(icons[0][0]), first.pid, "owner of the tray icon")
        assert_no_power_requests(desk)
        assert_no_power_commands(desk)


def _countdown_power_off(binary, variant):
    with Desktop(logind=variant) as desk:
        program, wid, window = launch(desk, binary)
        wait_tray_icon(desk, program)
        activate(desk, wid, window)
        select(desk, window, "Turn off computer")
        select(desk, window, "Countdown")
        equal(a11y.checked(window.check(FORCE)), True, "Force ticked")
        fill_row(desk, window, "Countdown", ["0", "0", "3"])

        start = window.button("Start")
        clicked = desk.timed_click(*a11y.centre(start))
        wait_for(lambda: start.name == "Stop" or desk.power_calls(), 2, what="Start to read Stop")

        # The fields run down once a second; read them until the request arrives.
        seen = []
        while time.time() < clicked + 10 and not desk.power_calls() and program.running():
            try:
                row = window.row("Countdown")
            except Exception:
                break  # the window has gone
            if not seen or row != seen[-1][1]:
                seen.append((time.time() - clicked, row))
            time.sleep(0.02)
        for at, row in seen:
            log(f"  +{at:6.3f} s  countdown {':'.join(row)}")
        equal([row for _, row in seen],
              [["0", "0", "3"], ["0", "0", "2"], ["0", "0", "1"], ["0", "0", "0"]],
              "countdown shown")
        steps = [b[0] - a[0] for a, b in zip(seen, seen[1:])]
        check(all(0.5 < step < 1.5 for step in steps), f"a step a second: {steps}")

        call = desk.wait_power_call(10)[0]
        log(f"power request arrived {call['t'] - clicked:.3f} s after the click "
            f"(due 4.000 s: three shown seconds and the tick after the last)")
        assert_gone(desk, program)

        calls = desk.power_calls()
        log(f"logind calls: {[(c['method'], c['args'], c['wire'], c['refused']) for c in calls]}")
        if variant == "flags":
            equal([(c["method"], c["args"], c["wire"], c["refused"]) for c in calls],
                  [("PowerOffWithFlags", [SD_LOGIND_SKIP_INHIBITORS], ["UInt64"], None)],
                  "power requests")
        else:
            # systemd 252 refuses the inhibitor-skipping flag; the plain call is the force.
            equal([(c["method"], c["args"], c["wire"], c["refused"]) for c in calls],
                  [("PowerOffWithFlags", [SD_LOGIND_SKIP_INHIBITORS], ["UInt64"],
                    "org.freedesktop.DBus.Error.InvalidArgs"),
                   ("PowerOff", [False], ["Boolean"], None)],
                  "power requests")
        accepted = desk.accepted_power_calls()
        equal(len(accepted), 1, "accepted power requests")
        delay = accepted[0]["t"] - clicked
        check(3.5 < delay < 6.0, f"the request {delay:.3f} s after the click, not on the 4th tick")
        assert_no_power_commands(desk)


def countdown_power_off(binary):
    _countdown_power_off(binary, "flags")


def countdown_power_off_systemd252(binary):
    _countdown_power_off(binary, "systemd252")


def time_of_day_restart(binary):
    with Desktop() as desk:
        program, wid, window = launch(desk, binary)
        wait_tray_icon(desk, program)
        activate(desk, wid, window)
        select(desk, window, "Restart computer")
        select(desk, window, "At a specific time")

        target = math.floor(time.time()) + 6
        if time.localtime(target)[3:6] == (0, 0, 0):
            target += 1  # midnight is the time number 0, which arming refuses
        local = time.localtime(target)
        fill_row(desk, window, "Time of day",
                 [str(local.tm_hour), str(local.tm_min), str(local.tm_sec)])
        start = window.button("Start")
        desk.move_pointer(*a11y.centre(start))
        # Armed three seconds ahead; the target was chosen with room for slow typing.
        time.sleep(max(0.0, target - 3.0 - time.time()))
        clicked = desk.timed_click(*a11y.centre(start))
        lead = target - clicked
        log(f"armed for {time.strftime('%H:%M:%S', local)}, {lead:.3f} s ahead")
        check(lead > 1.0, f"typing took too long: armed only {lead:.3f} s ahead")

        call = desk.wait_power_call(lead + 5)[0]
        log(f"restart request arrived {call['t'] - target:+.3f} s after the start of "
            f"{time.strftime('%H:%M:%S', local)}")
        assert_gone(desk, program)
        calls = desk.power_calls()
        equal([(c["method"], c["args"], c["wire"], c["refused"]) for c in calls],
              [("RebootWithFlags", [SD_LOGIND_SKIP_INHIBITORS], ["UInt64"], None)],
              "power requests")
        check(target <= call["t"] < target + 1,
              f"arrival {call['t'] - target:+.3f} s from the start of the target second")
        assert_no_power_commands(desk)


def field_carry(binary):
    with Desktop(tray=False) as desk:
        program, wid, window = launch(desk, binary)
        activate(desk, wid, window)
        select(desk, window, "Countdown")
        type_into(desk, window.field("Countdown seconds"), "75")
        desk.key("Tab")
        wait_for(lambda: window.row("Countdown") == ["0", "1", "15"], 3,
                 what="75 seconds shown as 1 minute 15")
        equal(window.row("Time of day"), ["0", "0", "0"], "time-of-day fields")
        check(program.running(), "the program is still running")
        assert_no_power_requests(desk)
        assert_no_power_commands(desk)


def save_and_restore(binary):
    with Desktop() as desk:
        program, wid, window = launch(desk, binary)
        activate(desk, wid, window)
        select(desk, window, "Restart computer")
        choose(desk, window.check(FORCE))
        wait_for(lambda: not a11y.checked(window.check(FORCE)), 3, what="Force cleared")
        select(desk, window, "Countdown")
        fill_row(desk, window, "Countdown", ["1", "2", "5"])
        chosen = snapshot(window)
        log(f"chosen: {chosen}")
        save = window.menu_item("File", "Save settings")
        equal(a11y.enabled(save), True, "'Save settings' enabled after changes")

        open_menu_and_choose(desk, window, "File", "Save settings")
        wait_for(lambda: not a11y.enabled(save), 3, what="'Save settings' disabled after saving")
        open_menu_and_choose(desk, window, "File", "Exit")
        assert_gone(desk, program)

        stored = []
        for folder, _, files in os.walk(desk.xdg["XDG_CONFIG_HOME"]):
            stored += [os.path.join(folder, f) for f in files]
        log(f"stored: {stored}")
        check(stored, "nothing written under XDG_CONFIG_HOME")

        program, wid, window = launch(desk, binary)
        equal(snapshot(window), chosen, "choices after a new start")
        for item in ("Save settings", "Load settings"):
            equal(a11y.enabled(window.menu_item("File", item)), False, f"{item!r} enabled")
        assert_no_power_requests(desk)
        assert_no_power_commands(desk)


def _input_focus(desk):
    out = desk.xdotool("getwindowfocus").stdout.strip()
    return int(out) if out.isdigit() else None


def _override_redirect(desk, wid):
    out = subprocess.run(["xwininfo", "-id", str(wid)], env=desk.program_env(),
                         capture_output=True, text=True, timeout=10).stdout
    return "Override Redirect State: yes" in out


def tray_minimize_restore(binary):
    with Desktop() as desk:
        program, wid, window = launch(desk, binary)
        icon_id, (ix, iy, iw, ih) = wait_tray_icon(desk, program)
        icon = (ix + iw // 2, iy + ih // 2)

        desk.click(*a11y.centre(window.button("Minimize to system tray")))
        wait_for(lambda: not desk.is_viewable(wid), 5, what="the window hidden")
        check(program.running(), "the program still runs while hidden")
        equal([i[0] for i in desk.tray_icons_of(program)], [icon_id], "tray icon while hidden")

        desk.click(*icon, repeat=2)
        wait_for(lambda: desk.is_viewable(wid), 5, what="the window shown by the double-click")
        # In front: above every other mapped window that takes part in stacking, and
        # holding the keyboard focus.
        stack = [w for w, _, _, (_, _, width, height) in desk.top_level()
                 if width > 1 and height > 1 and desk.is_viewable(w)
                 and not _override_redirect(desk, w)]
        equal(stack[0], wid, "the topmost window")
        wait_for(lambda: _input_focus(desk) == wid, 3, what="the keyboard focus on the window")

        events = a11y.Events("object:state-changed:showing")
        desk.click(*icon, button=3)
        _, _, menu, _ = events.wait(
            lambda e: e[1] == "object:state-changed:showing" and e[3] == 1
            and e[2].getRole() == a11y.pyatspi.ROLE_POPUP_MENU
            and a11y.find_all(e[2], a11y.pyatspi.ROLE_MENU_ITEM, "Restore"),
            5, "the tray menu to open")
        events.close()
        items = [i.name for i in a11y.find_all(menu, a11y.pyatspi.ROLE_MENU_ITEM)]
        equal(items, ["Restore", "About Orvanta", "Exit"], "tray menu entries")
        # And on the screen: a pop-up window of the program where the menu says it is.
        mx, my = a11y.centre(menu)
        popups = [w for w, _, _, (x, y, width, height) in desk.top_level()
                  if x <= mx < x + width and y <= my < y + height and desk.is_viewable(w)
                  and _override_redirect(desk, w) and desk.window_pid(w) == program.pid]
        equal(len(popups), 1, "pop-up windows of the program under the menu")
        exit_item = a11y.find(menu, a11y.pyatspi.ROLE_MENU_ITEM, "Exit")
        desk.click(*a11y.centre(exit_item))
        assert_gone(desk, program)
        assert_no_power_requests(desk)
        assert_no_power_commands(desk)


def stale_lock(binary):
    with Desktop() as desk:
        program, _, _ = launch(desk, binary)
        wait_tray_icon(desk, program)
        os.kill(program.pid, signal.SIGKILL)
        equal(program.wait_exit(5), -signal.SIGKILL, "status of the killed instance")

        again, wid, window = launch(desk, binary)
        equal(a11y.find_all(window.app, a11y.pyatspi.ROLE_ALERT), [], "message boxes")
        wait_tray_icon(desk, again)
        wait_for(lambda: len(desk.tray_icons()) == 1, 5, what="one icon in the tray")
        time.sleep(0.5)
        check(again.running(), "the new instance keeps running")
        check(desk.is_viewable(wid), "its window is shown")
        assert_no_power_requests(desk)
        assert_no_power_commands(desk)


def refused_request(binary):
    with Desktop(logind="refuse") as desk:
        program, wid, window = launch(desk, binary)
        activate(desk, wid, window)
        select(desk, window, "Turn off computer")
        select(desk, window, "Countdown")
        fill_row(desk, window, "Countdown", ["0", "0", "1"])
        desk.click(*a11y.centre(window.button("Start")))
        desk.wait_power_call(8)
        assert_gone(desk, program)
        equal(desk.accepted_power_calls(), [], "accepted power requests")
        check(all(c["refused"] == "org.freedesktop.DBus.Error.AccessDenied"
                  for c in desk.power_calls()), "every power request refused")

        stderr = program.stderr()
        log(f"standard error:\n{stderr}")
        naming = [line for line in stderr.splitlines()
                  if re.search(r"power.?off|turn(ing)? off|shut.?down", line, re.I)]
        equal(len(naming), 1, "lines on standard error naming the action")
        check(re.search(r"AccessDenied|denied|refused", naming[0], re.I),
              f"the line says why: {naming[0]!r}")
        assert_no_power_commands(desk)


# ---- accessibility ------------------------------------------------------------------------


FOCUS_ROLES = ("push button", "radio button", "check box", "text", "entry", "spin button")


def _tab_walk(desk, window, limit=40):
    """Presses Tab with real keys until the focus is back on Start; the names visited."""
    start = window.button("Start")
    # The focusable controls, gathered once: a walk of the whole window per Tab press
    # would cost more than the key itself.
    stops = [acc for acc in a11y.walk(window.frame)
             if a11y.role_name(acc) in FOCUS_ROLES]

    def focus():
        for acc in stops:
            if a11y.focused(acc):
                return acc
        return None

    order = [focus()]
    check(order[0] is not None and order[0].name == "Start", "the walk begins on Start")
    for _ in range(limit):
        previous = order[-1]
        desk.key("Tab")
        current = wait_for(lambda: (lambda f: f if f is not None and f != previous else None)(
            focus()), 3, what="the focus to move on Tab")
        if current == start:
            return [acc.name for acc in order]
        order.append(current)
    raise Failure(f"no way back to Start after {limit} Tab presses: {[a.name for a in order]}")


def accessibility(binary):
    with Desktop(tray=False) as desk:
        program, wid, window = launch(desk, binary)

        focusable = [acc for acc in a11y.walk(window.frame)
                     if a11y.has_state(acc, a11y.pyatspi.STATE_FOCUSABLE)]
        log("focusable controls:")
        for acc in focusable:
            log(f"  {a11y.role_name(acc):12} {acc.name!r}  {acc.description!r}  "
                f"{a11y.actions(acc)}")
            check(acc.name.strip(), f"a focusable {a11y.role_name(acc)} without a name")
            check(a11y.role_name(acc) in FOCUS_ROLES,
                  f"{acc.name!r} has the role {a11y.role_name(acc)!r}")
        roles = {acc.name: a11y.role_name(acc) for acc in focusable}
        expected = {"Start": "push button", FORCE: "check box"}
        for name in ACTIONS + MODES:
            expected[name] = "radio button"
        for mode in ("Countdown", "Time of day"):
            for unit in UNITS:
                expected[f"{mode} {unit}"] = "text"
        for name, role in expected.items():
            equal(roles.get(name), role, f"role of {name!r}")
        spinners = [acc for acc in focusable if a11y.role_name(acc) == "spin button"]
        equal(len(spinners), 6, "spinners")
        for mode in ("Countdown", "Time of day"):
            for unit in UNITS:
                spinner = [s for s in spinners if f"{mode} {unit}".lower() in s.name.lower()]
                equal(len(spinner), 1, f"spinners naming {mode} {unit}")
                equal(sorted(a.lower() for a in a11y.actions(spinner[0])),
                      ["decrease", "increase"], f"actions of {spinner[0].name!r}")
        picture = window.button("Minimize to system tray")
        check(picture.description.strip(), "the picture button has a description")

        activate(desk, wid, window)
        wait_for(lambda: a11y.focused(window.button("Start")), 3, what="focus on Start")
        # Each group of option buttons is one Tab stop, its selected button, as in native
        # dialogs; the arrow keys move within the group. The rows of the mode not selected
        # are disabled and skipped; the picture button is no Tab stop.
        time_of_day_order = _tab_walk(desk, window)
        log(f"Tab order, time of day: {time_of_day_order}")
        spin = [s.name for s in spinners]
        equal(time_of_day_order,
              ["Start", "Log off user", "At a specific time", "Time of day hours",
               "Time of day minutes", "Time of day seconds",
               *[n for n in spin if n.startswith("Time of day")], FORCE],
              "Tab order with the time of day selected")

        select(desk, window, "Restart computer")
        select(desk, window, "Countdown")
        # Back to Start for the second walk; a click there arms nothing, as 0:00:00 is
        # refused.
        desk.click(*a11y.centre(window.button("Start")))
        wait_for(lambda: a11y.focused(window.button("Start")), 3, what="focus on Start")
        countdown_order = _tab_walk(desk, window)
        log(f"Tab order, countdown: {countdown_order}")
        equal(countdown_order,
              ["Start", "Restart computer", "Countdown",
               *[n for n in spin if n.startswith("Countdown")],
               "Countdown hours", "Countdown minutes", "Countdown seconds", FORCE],
              "Tab order with the countdown selected")

        # Within a group the arrow keys move, and select as they go.
        desk.key("Tab")
        wait_for(lambda: a11y.focused(window.radio("Restart computer")), 3,
                 what="Tab from Start to the selected action")
        desk.key("Up")
        wait_for(lambda: a11y.focused(window.radio("Turn off computer"))
                 and a11y.checked(window.radio("Turn off computer")), 3,
                 what="Up to move to and select 'Turn off computer'")
        equal(a11y.checked(window.radio("Restart computer")), False, "'Restart computer' selected")

        # A screen reader's user can step a spinner: its field follows.
        seconds = [s for s in spinners if s.name.lower().startswith("countdown seconds")][0]
        a11y.do_action(seconds, "Increase")
        wait_for(lambda: window.row("Countdown") == ["0", "0", "1"], 3,
                 what="the spinner's Increase to show in its field")
        a11y.do_action(seconds, "Decrease")
        wait_for(lambda: window.row("Countdown") == ["0", "0", "0"], 3,
                 what="the spinner's Decrease to show in its field")
        equal(window.button("Start").name, "Start", "the schedule stayed idle")
        check(program.running(), "the program is still running")
        assert_no_power_requests(desk)
        assert_no_power_commands(desk)


SCENARIOS = {f.__name__: f for f in (
    first_start, second_instance, countdown_power_off, countdown_power_off_systemd252,
    time_of_day_restart, field_carry, save_and_restore, tray_minimize_restore, stale_lock,
    refused_request, accessibility)}


def main(argv):
    if len(argv) < 3 or any(name not in SCENARIOS for name in argv[2:]):
        print(f"usage: {argv[0]} BINARY SCENARIO...; scenarios: {', '.join(SCENARIOS)}")
        return 2
    binary = os.path.abspath(argv[1])
    if len(argv) > 3:
        # libatspi stays bound to the first at-spi bus it met: one desktop per process.
        codes = [subprocess.run([sys.executable, os.path.abspath(__file__), binary, name]).returncode
                 for name in argv[2:]]
        return 1 if any(codes) else 0
    name = argv[2]
    began = time.monotonic()
    log(f"--- {name}")
    try:
        SCENARIOS[name](binary)
    except Exception:
        traceback.print_exc()
        log(f"--- {name} FAILED after {time.monotonic() - began:.1f} s")
        return 1
    log(f"--- {name} passed in {time.monotonic() - began:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
