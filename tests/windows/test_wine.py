"""The cross-built orvanta.exe under wine on Xvfb with trayer, driven from outside by XTest
clicks at places worked out from the window's design (there is no accessibility bus for wine
windows), in the scratch prefix whose wineboot.exe is the recorder: wine's ExitWindowsEx
starts wineboot.exe and nothing else, so no scenario can end anything. The exact flags each
request asked for come from wine's relay trace of ExitWindowsEx.

usage: test_wine.py window|fire|installer --exe EXE --prefix PREFIX --recorder EXE
                    [--installer SETUP_EXE]
"""

import argparse
import contextlib
import fcntl
import filecmp
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay, error as xerror

WINE, WINESERVER = "/usr/lib/wine/wine64", "/usr/lib/wine/wineserver"
CAPTION = "Orvanta v1.2"
CLIENT = (4335, 4965)  # the window's client area below the menu bar, in twips
TIME_FRAME = (120, 1920)
SETTINGS_KEY = r"HKCU\Software\Orvanta\Orvanta\Settings"
# WORKAROUND: wine runs its built-in wineboot.exe whatever file lies in its place; only a
# load order of "native" makes it start the recorder (which then also sees the "--init" of
# each new wine session).
OVERRIDES = "mscoree,mshtml=;wineboot.exe=n"
EWX = {"logoff": 0, "poweroff": 8, "reboot": 2}
# What wine's ExitWindowsEx hands to wineboot.exe: forced ends are kills; only a restart
# lacks --shutdown; log off and power off look alike here (the relay trace tells them apart).
WINEBOOT = {(False, False): "--end-session --shutdown", (False, True): "--end-session",
            (True, False): "--kill --shutdown", (True, True): "--kill"}


def wait_for(predicate, timeout, what, interval=0.05):
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
    return value


def check(ok, what):
    if not ok:
        raise AssertionError(what)
    print(f"ok: {what}", flush=True)


class Wine:
    """Xvfb, trayer and the prefix, held for this scenario alone."""

    def __init__(self, args):
        self.args, self.procs, self.programs = args, [], []
        self.tmp = tempfile.mkdtemp(prefix="orvanta-wine-")
        self.prefix = args.prefix
        here = os.path.dirname(os.path.abspath(__file__))
        subprocess.run([os.path.join(here, "wine-prefix.sh"), self.prefix, args.recorder],
                       check=True, timeout=120)
        self.lock = open(self.prefix + ".lock", "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        self.boot_log = os.path.join(self.prefix, "drive_c", "orvanta-wineboot.log")
        with contextlib.suppress(FileNotFoundError):
            os.remove(self.boot_log)
        read_fd, write_fd = os.pipe()
        self.spawn("xvfb", ["Xvfb", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                            "-noreset", "-displayfd", str(write_fd)], pass_fds=(write_fd,))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            self.display = ":" + pipe.readline().strip()
        self.x = xdisplay.Display(self.display)
        self.env = {"PATH": "/usr/bin:/bin", "HOME": os.environ.get("HOME", self.tmp),
                    "DISPLAY": self.display, "WINEPREFIX": self.prefix, "WINEDEBUG": "-all",
                    "WINEDLLOVERRIDES": OVERRIDES, "LANG": "C.UTF-8",
                    "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent",
                    "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/nonexistent"}
        self.spawn("trayer", ["trayer", "--edge", "bottom", "--align", "right", "--height", "32",
                              "--widthtype", "request", "--SetDockType", "true"], env=self.env)
        tray = self.x.intern_atom("_NET_SYSTEM_TRAY_S0")
        wait_for(lambda: self.x.get_selection_owner(tray) != X.NONE, 10, "trayer")
        # A fresh user: no settings and no lock from an earlier scenario.
        self.wine("reg", "delete", r"HKCU\Software\Orvanta", "/f")
        self.wine("reg", "add", r"HKCU\Software\Wine\Debug", "/v", "RelayInclude", "/d",
                  "user32.ExitWindowsEx", "/f")
        users = os.path.join(self.prefix, "drive_c", "users")
        for user in os.listdir(users):
            subprocess.run(["rm", "-rf", os.path.join(users, user, "AppData", "Local",
                                                      "Orvanta")], check=True)

    def spawn(self, name, argv, env=None, **kwargs):
        with open(os.path.join(self.tmp, f"{name}.log"), "ab") as log:
            popen = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                     stderr=log, start_new_session=True, **kwargs)
        popen.log = log.name
        self.procs.append(popen)
        return popen

    def wine(self, *argv, check=False, timeout=60):
        return subprocess.run([WINE, *argv], env=self.env, capture_output=True, text=True,
                              errors="replace", timeout=timeout, check=check)

    def recorder_in_place(self):
        boot = os.path.join(self.prefix, "drive_c", "windows", "system32", "wineboot.exe")
        return (filecmp.cmp(self.args.recorder, boot, shallow=False) and
                "wineboot.exe=n" in self.env["WINEDLLOVERRIDES"])

    def start(self, *args, exe=None, relay=False):
        # Checked before every start: any start may fire.
        check(self.recorder_in_place(), "the recorder is in wineboot.exe's place")
        env = dict(self.env, WINEDEBUG="+relay" if relay else "-all")
        program = self.spawn(f"orvanta-{len(self.programs)}", [WINE, exe or self.args.exe, *args],
                             env=env)
        program.started = time.monotonic()
        self.programs.append(program)
        return program

    @staticmethod
    def output(program):
        with open(program.log, errors="replace") as f:
            return f.read().replace("\r", "")

    def stop(self):
        subprocess.run([WINESERVER, "-k"], env=self.env, capture_output=True, timeout=30)
        subprocess.run([WINESERVER, "-w"], env=self.env, capture_output=True, timeout=30)
        for popen in self.procs[::-1]:
            for sig in (signal.SIGTERM, signal.SIGKILL):
                with contextlib.suppress(ProcessLookupError):
                    os.killpg(popen.pid, sig)
                with contextlib.suppress(subprocess.TimeoutExpired):
                    popen.wait(timeout=3)
                    break
        self.lock.close()
        subprocess.run(["rm", "-rf", self.tmp], check=False)

    # -- the X side ---------------------------------------------------------------------

    def ask(self, wid, question, default=None):
        try:
            return question(self.x.create_resource_object("window", wid))
        except (xerror.BadWindow, xerror.BadDrawable, xerror.BadMatch):
            return default

    def windows(self, caption=CAPTION):
        def shown(w):
            return (w.get_attributes().map_state == X.IsViewable and
                    w.get_wm_name() == caption)
        return [w.id for w in self.x.screen().root.query_tree().children
                if self.ask(w.id, shown)]

    def main_window(self, timeout=30):
        return wait_for(lambda: self.windows(), timeout, "the main window", 0.01)[0]

    def geometry(self, wid):
        def ask(w):
            g, at = w.get_geometry(), self.x.screen().root.translate_coords(w, 0, 0)
            return at.x, at.y, g.width, g.height
        return self.ask(wid, ask)

    def docked_icons(self):
        """Windows docked inside trayer's window."""
        found = []
        for top in self.x.screen().root.query_tree().children:
            if self.ask(top.id, lambda w: w.get_wm_name()) == "panel":
                stack = [top]
                while stack:
                    w = stack.pop()
                    for child in self.ask(w.id, lambda w: w.query_tree().children, []):
                        stack.append(child)
                        if self.ask(child.id, lambda w: w.get_wm_name()) not in (None, "panel"):
                            found.append(child.id)
        return found

    def pixels(self, wid):
        x, y, w, h = self.geometry(wid)
        image = self.x.screen().root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        return w, h, image.data

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env={"DISPLAY": self.display}, check=True,
                       timeout=10)

    def click(self, wid, point, count=1):
        x, y, _, _ = self.geometry(wid)
        self.xdotool("mousemove", "--sync", x + point[0], y + point[1])
        self.xdotool("click", "--repeat", count, "--delay", 150, 1)


def popups(wine):
    """Mapped override-redirect windows: the menus wine shows."""
    def shown(w):
        a = w.get_attributes()
        return a.map_state == X.IsViewable and a.override_redirect
    return [w.id for w in wine.x.screen().root.query_tree().children if wine.ask(w.id, shown)]


def file_menu(wine, wid, design, entry):
    """Clicks File, then an entry by its row: 0 "Save settings", 1 "Load settings", -1
    "Exit" (rows of equal height, three separators of a quarter row each, in the popup)."""
    before = set(popups(wine))
    wine.click(wid, (12, design.menu // 2))
    menu = wait_for(lambda: [p for p in popups(wine) if p not in before and
                             wine.geometry(p)[3] > 4 * design.menu], 10, "the File menu")[0]
    _, _, width, height = wine.geometry(menu)
    row = (height - 6) / (5 + 3 * 0.25)  # five entries, three separators, 3 px of border
    y = 3 + row / 2 if entry >= 0 else height - 3 - row / 2
    y += entry * row if entry >= 0 else 0
    wine.click(menu, (width // 2, int(y)))


class Design:
    """Places in the window from the design's twips, scaled as the program scales them."""

    def __init__(self, width, height):
        # The program scales the design in steps of 1/16 to fit its font; the width shows
        # which step it took, the rest of the height is the menu bar.
        self.scale = round(width * 15 / CLIENT[0] * 16) / 16
        self.menu = height - self.px(CLIENT[1])

    def px(self, twips):
        return int(twips / 15 * self.scale + 0.5)

    def in_time_frame(self, left, top, width=0, height=0):
        x = self.px(TIME_FRAME[0]) + self.px(left) + self.px(width) // 2
        y = self.menu + self.px(TIME_FRAME[1]) + self.px(top) + self.px(height) // 2
        return x, y

    def field(self, row, index):
        """The inner part of a time field: (left, top, right, bottom) in the window."""
        top = 600 if row == "countdown" else 1680
        left = 600 + 720 * index
        x0, y0 = self.in_time_frame(left, top)
        return x0 + 3, y0 + 3, x0 + self.px(375) - 3, y0 + self.px(285) - 3

    def window_point(self, left, top, width, height):
        return self.px(left) + self.px(width) // 2, self.menu + self.px(top) + self.px(height) // 2


def inked(pixels, rect):
    """How many pixels in rect stand out from the colour of its top-left corner."""
    width, _, data = pixels
    def luma(x, y):
        i = (y * width + x) * 4
        return 0.114 * data[i] + 0.587 * data[i + 1] + 0.299 * data[i + 2]
    base = luma(rect[0], rect[1])
    return sum(1 for y in range(rect[1], rect[3]) for x in range(rect[0], rect[2])
               if abs(luma(x, y) - base) > 60)


def field_images(wine, wid, design, row):
    width, _, data = pixels = wine.pixels(wid)
    images = []
    for i in range(3):
        left, top, right, bottom = design.field(row, i)
        images.append(bytes(b for y in range(top, bottom)
                            for b in data[(y * width + left) * 4:(y * width + right) * 4]))
    return pixels, images


def scenario_window(wine):
    program = wine.start()
    wid = wine.main_window()
    mapped = time.monotonic() - program.started
    x, y, w, h = wine.geometry(wid)
    design = Design(w, h)
    screen = wine.x.screen()
    check(design.scale >= 1 and abs(w - design.px(CLIENT[0])) <= 1 and 10 <= design.menu <= 40,
          f"'{CAPTION}' mapped {w}x{h}: the design's client area at scale {design.scale} "
          f"and a menu bar of {design.menu} px")
    # Without a window manager wine draws no title bar, yet Windows' frame (caption and
    # borders) still counts in the window's place: the X window is the client area, sitting
    # lower by half the caption's height.
    below = 2 * y + h - screen.height_in_pixels
    check(abs(2 * x + w - screen.width_in_pixels) <= 2 and 0 < below <= 80,
          f"centred on the screen at {x},{y} (the frame's caption takes {below} px above)")
    wait_for(wine.docked_icons, 10, "the tray icon docked in trayer")
    check(True, "the tray icon docks in trayer")
    time.sleep(0.5)  # the first paint
    pixels = wine.pixels(wid)
    for row in ("countdown", "clock"):
        counts = [inked(pixels, design.field(row, i)) for i in range(3)]
        check(all(c >= 4 for c in counts), f"the {row} fields show their text ({counts})")

    # File > Save settings: Alt+F opens the menu, the entries are read from the design of
    # the menu (first entry "Load settings", then "Save settings").
    turn_off = design.window_point(120 + 240, 120 + 600, 1935, 255)
    wine.click(wid, (turn_off[0] - design.px(1935) // 2 + 6, turn_off[1]))
    file_menu(wine, wid, design, 0)
    answer = wait_for(lambda: (r := wine.wine("reg", "query", SETTINGS_KEY)).returncode == 0
                      and r.stdout, 10, f"{SETTINGS_KEY} in the registry")
    check(re.search(r"^\s*Action\s+REG_SZ\s+1\s*$", answer, re.M) is not None,
          f"File > Save settings wrote {SETTINGS_KEY} (Action 1):\n{answer.strip()}")

    second = wine.start()
    message = wait_for(lambda: [w for w in wine.x.screen().root.query_tree().children
                                if wine.ask(w.id, lambda w: w.get_wm_name()) == "Orvanta"
                                and wine.ask(w.id, lambda w: w.get_attributes().map_state)
                                == X.IsViewable], 20, "the 'already running' message")[0]
    check(True, "a second start shows the 'already running' message")
    wine.xdotool("windowfocus", "--sync", message.id)
    wine.xdotool("key", "Return")
    check(wait_for(lambda: second.poll() is not None, 20, "the second start to end") is not None
          and second.returncode == 0, "and ends with status 0")
    check("cannot use the lock" not in wine.output(program), "the single-instance lock is used")

    # A hand-off: arm from a second start, then --cancel from a third.
    armed = wine.start("--poweroff", "--in", "1:00:00")
    wait_for(lambda: armed.poll() is not None, 30, "the hand-off of --poweroff")
    check(armed.returncode == 0, f"--poweroff --in 1:00:00 handed over: {wine.output(armed)}")
    _, before = field_images(wine, wid, design, "countdown")
    time.sleep(1.2)
    _, after = field_images(wine, wid, design, "countdown")
    check(before != after, "the running window counts down what the second start armed")
    cancel = wine.start("--cancel")
    wait_for(lambda: cancel.poll() is not None, 30, "the hand-off of --cancel")
    check(cancel.returncode == 0, f"--cancel handed over: {wine.output(cancel)}")
    time.sleep(0.3)
    _, before = field_images(wine, wid, design, "countdown")
    time.sleep(1.2)
    _, after = field_images(wine, wid, design, "countdown")
    check(before == after, "--cancel disarmed the running program")
    check(not os.path.exists(wine.boot_log) or
          all(line.endswith(" --init") for line in open(wine.boot_log).read().split("\n")
              if line.strip()), "nothing but the session's start reached wineboot")

    # A second run reads the saved settings: "Turn off computer" comes back selected.
    stop_program(wine, program, wid, design)
    again = wine.start()
    wid = wine.main_window()
    time.sleep(0.5)
    pixels = wine.pixels(wid)
    dot = lambda top: inked(pixels, (turn_off[0] - design.px(1935) // 2 + 3, top - 2,
                                     turn_off[0] - design.px(1935) // 2 + 9, top + 3))
    logoff_top = design.window_point(360, 360, 1935, 255)[1]
    check(dot(turn_off[1]) > dot(logoff_top), "a second run loads the saved action")
    print(f"figure: exec to window mapped {mapped * 1000:.0f} ms")
    print(f"figure: private bytes {private_bytes(wine, again)}")


def private_bytes(wine, program):
    """Private memory of the running orvanta.exe as Windows counts it, from wine's view of
    the process (tasklist has no such column; VmRSS less shared file pages is the nearest)."""
    for pid in os.listdir("/proc"):
        with contextlib.suppress(OSError):
            if "orvanta.exe" in open(f"/proc/{pid}/cmdline").read():
                fields = dict(line.split(":", 1) for line in open(f"/proc/{pid}/status"))
                return f"RssAnon {fields['RssAnon'].strip()}, VmRSS {fields['VmRSS'].strip()}"
    return "unknown"


def stop_program(wine, program, wid, design):
    file_menu(wine, wid, design, -1)
    wait_for(lambda: program.poll() is not None, 20, "the program to exit")


def fired(wine, program, timeout=30):
    # An accepted request ends the program.
    wait_for(lambda: program.poll() is not None, timeout, "the request and the program's end")
    if not os.path.exists(wine.boot_log):
        return [], []
    calls = [line for line in open(wine.boot_log).read().replace("\r", "").splitlines()
             if line and not line.endswith(" --init")]
    os.remove(wine.boot_log)
    relay = re.findall(r"ExitWindowsEx\((\w+),(\w+)\)", wine.output(program))
    return calls, [(int(flags, 16), int(reason, 16)) for flags, reason in relay]


def scenario_fire(wine):
    # A countdown of three seconds by clicks: Countdown, the seconds spinner up three
    # times, "Turn off computer" (Force is ticked by default), Start.
    program = wine.start(relay=True)
    wid = wine.main_window()
    x, y, w, h = wine.geometry(wid)
    design = Design(w, h)
    countdown = design.in_time_frame(240, 240, 0, 255)
    wine.click(wid, (countdown[0] + 6, countdown[1]))
    up = design.in_time_frame(2400, 600, 240, 285 // 2)
    wine.click(wid, up, count=3)
    turn_off = design.window_point(120 + 240, 120 + 600, 1935, 255)
    wine.click(wid, (turn_off[0] - design.px(1935) // 2 + 6, turn_off[1]))
    _, before = field_images(wine, wid, design, "countdown")
    wine.click(wid, design.window_point(1440, 4440, 2175, 375))
    time.sleep(1.5)
    _, after = field_images(wine, wid, design, "countdown")
    check(before != after, "the countdown runs down in the fields")
    calls, relay = fired(wine, program)
    check(calls and calls[-1].endswith("wineboot.exe --kill --shutdown") and
          relay == [(EWX["poweroff"] | 4, 0xFFFFFFFF)],
          f"a forced power off reached ExitWindowsEx {relay} and wineboot {calls}")

    # Each action with and without Force, armed from the command line.
    for action in ("logoff", "poweroff", "reboot"):
        for force in (False, True):
            args = [f"--{action}", *(["--force"] if force else []), "--in", "0:00:01"]
            calls, relay = fired(wine, wine.start(*args, relay=True))
            flags = EWX[action] | (4 if force else 0)
            expected = WINEBOOT[(force, action == "reboot")]
            check(len(calls) == 1 and calls[0].endswith(f"wineboot.exe {expected}") and
                  relay == [(flags, 0xFFFFFFFF)],
                  f"{' '.join(args)}: ExitWindowsEx{relay}, wineboot {calls}")


def scenario_installer(wine):
    setup = wine.args.installer
    size = os.path.getsize(setup)
    result = wine.wine(setup, "/S", timeout=120)
    check(result.returncode == 0, f"the installer ran silently: {result.returncode}")
    drive = os.path.join(wine.prefix, "drive_c")
    folder = os.path.join(drive, "Program Files", "Orvanta")
    check(os.path.isfile(os.path.join(folder, "orvanta.exe")) and
          os.path.isfile(os.path.join(folder, "uninstall.exe")), f"installed into {folder}")
    menu = os.path.join(drive, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs",
                        "Orvanta.lnk")
    check(os.path.isfile(menu), "a Start menu entry")
    entry = wine.wine("reg", "query",
                      r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanta")
    check("DisplayIcon" in entry.stdout and "uninstall.exe" in entry.stdout,
          "listed with its icon and uninstaller")
    program = wine.start(exe=r"C:\Program Files\Orvanta\orvanta.exe")
    wid = wine.main_window()
    check(wid is not None, "the installed program starts")
    stop_program(wine, program, wid, Design(*wine.geometry(wid)[2:]))
    result = wine.wine(os.path.join(folder, "uninstall.exe"), "/S", timeout=60)
    # The uninstaller copies itself away and returns at once; its copy removes the files.
    wait_for(lambda: not os.path.exists(folder), 30, "the uninstaller to remove the folder")
    check(not os.path.exists(menu), "the uninstaller removed the program and its entry")
    gone = wine.wine("reg", "query",
                     r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanta")
    check(gone.returncode != 0, "and its Apps & features entry")
    print(f"figure: installer {size} bytes")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=("window", "fire", "installer"))
    parser.add_argument("--exe", required=True)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--recorder", required=True)
    parser.add_argument("--installer")
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda signum, _: sys.exit(128 + signum))
    wine = Wine(args)
    try:
        globals()[f"scenario_{args.scenario}"](wine)
    except BaseException:
        for p in wine.programs:
            print(f"--- {p.args}, exit {p.poll()}:\n{wine.output(p)[-3000:]}")
        with contextlib.suppress(Exception):
            subprocess.run(["import", "-window", "root", f"/tmp/orvanta-wine-failure.png"],
                           env={"DISPLAY": wine.display}, timeout=10)
            print("--- screenshot: /tmp/orvanta-wine-failure.png")
        raise
    finally:
        wine.stop()


if __name__ == "__main__":
    main()
