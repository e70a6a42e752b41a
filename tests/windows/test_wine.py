"""The cross-built orvanta.exe under wine on Xvfb with trayer, clicked at places worked out
from the window's design (wine windows have no accessibility bus), in the scratch prefix
whose wineboot.exe is the recorder. The flags each request asked for come from wine's relay
trace of ExitWindowsEx.   usage: test_wine.py window|fire|waits|installer EXE PREFIX RECORDER SETUP
"""

import contextlib
import fcntl
import filecmp
import os
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time

from Xlib import X, display as xdisplay, error as xerror

WINE, WINESERVER = "/usr/lib/wine/wine64", "/usr/lib/wine/wineserver"
CAPTION, CLIENT, TIME_FRAME = "Orvanta v1.2", (4335, 4965), (120, 1920)  # design in twips
SETTINGS_KEY = r"HKCU\Software\Orvanta\Orvanta\Settings"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanta"
# WORKAROUND: wine runs its built-in wineboot.exe whatever file lies in its place; only with
# a "native" load order does it start the recorder, which then also gets the "--init" that
# begins each wine session (the processes of a scenario start one after another: a second
# one starting meanwhile would wait for the session's start to be signalled).
OVERRIDES = "mscoree,mshtml=;wineboot.exe=n"
EWX = {"logoff": 0, "poweroff": 8, "reboot": 2}
# What wine's ExitWindowsEx hands to wineboot.exe, by (force, restart): log off and power off
# look alike there, the relay trace tells them apart.
WINEBOOT = {(False, False): "--end-session --shutdown", (False, True): "--end-session",
            (True, False): "--kill --shutdown", (True, True): "--kill"}


def wait_for(predicate, timeout, what, interval=0.02):
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
    """Xvfb, trayer and the prefix (locked), for one scenario; a fresh user in it."""

    def __init__(self, exe, prefix, recorder, setup):
        self.exe, self.prefix, self.recorder, self.setup = exe, prefix, recorder, setup
        self.procs, self.programs, self.tmp = [], [], tempfile.mkdtemp(prefix="orvanta-wine-")
        subprocess.run([os.path.join(os.path.dirname(__file__), "wine-prefix.sh"), prefix,
                        recorder], check=True, timeout=120)
        self.lock = open(prefix + ".lock", "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        self.boot_log = os.path.join(prefix, "drive_c", "orvanta-wineboot.log")
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
                    "DISPLAY": self.display, "WINEPREFIX": prefix, "WINEDEBUG": "-all",
                    "WINEDLLOVERRIDES": OVERRIDES, "LANG": "C.UTF-8",
                    "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent"}
        self.spawn("trayer", ["trayer", "--edge", "bottom", "--align", "right", "--height", "32",
                              "--widthtype", "request"], env=self.env)
        tray = self.x.intern_atom("_NET_SYSTEM_TRAY_S0")
        wait_for(lambda: self.x.get_selection_owner(tray) != X.NONE, 10, "trayer")
        self.wine("reg", "delete", r"HKCU\Software\Orvanta", "/f")
        self.wine("reg", "add", r"HKCU\Software\Wine\Debug", "/v", "RelayInclude", "/d",
                  "user32.ExitWindowsEx", "/f")
        users = os.path.join(prefix, "drive_c", "users")
        for user in os.listdir(users):
            subprocess.run(["rm", "-rf", os.path.join(users, user, "AppData/Local/Orvanta")])

    def spawn(self, name, argv, env=None, **kwargs):
        with open(os.path.join(self.tmp, f"{name}.log"), "ab") as log:
            popen = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                     stderr=log, start_new_session=True, **kwargs)
        popen.log = log.name
        self.procs.append(popen)
        return popen

    def wine(self, *argv, timeout=60):
        return subprocess.run([WINE, *argv], env=self.env, capture_output=True, text=True,
                              errors="replace", timeout=timeout)

    def start(self, *args, exe=None):
        # Checked before every start: any start may fire.
        boot = os.path.join(self.prefix, "drive_c", "windows", "system32", "wineboot.exe")
        if not (filecmp.cmp(self.recorder, boot, shallow=False) and
                "wineboot.exe=n" in self.env["WINEDLLOVERRIDES"]):
            raise RuntimeError("the recorder is not in wineboot.exe's place: not starting")
        program = self.spawn(f"orvanta-{len(self.programs)}", [WINE, exe or self.exe, *args],
                             env=dict(self.env, WINEDEBUG="+relay"))
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
        subprocess.run(["rm", "-rf", self.tmp])

    def ask(self, wid, question, default=None):
        try:  # windows come and go while we look
            return question(self.x.create_resource_object("window", wid))
        except (xerror.BadWindow, xerror.BadDrawable, xerror.BadMatch):
            return default

    def shown(self, name=None, override=False):
        """Mapped top-level windows: by name, or the menus (override-redirect)."""
        def test(w):
            a = w.get_attributes()
            return (a.map_state == X.IsViewable and bool(a.override_redirect) == override
                    and (name is None or w.get_wm_name() == name))
        return [w.id for w in self.x.screen().root.query_tree().children if self.ask(w.id, test)]

    def geometry(self, wid):
        def ask(w):
            g, at = w.get_geometry(), self.x.screen().root.translate_coords(w, 0, 0)
            return at.x, at.y, g.width, g.height
        return self.ask(wid, ask)

    def docked(self, window=None):
        """Windows of wine's explorer (which forwards Windows tray icons) inside trayer's
        panel: the icons it docked."""
        children = self.ask((window or self.x.screen().root).id,
                            lambda w: w.query_tree().children, [])
        if window is None:
            return [i for w in children if self.ask(w.id, lambda w: w.get_wm_name()) == "panel"
                    for i in self.docked(w)]
        return [c for c in children if "explorer.exe" in (self.ask(c.id, lambda w: w.get_wm_class()) or ())] + \
            [i for c in children for i in self.docked(c)]

    def image(self, wid):
        x, y, w, h = self.geometry(wid)
        return w, self.x.screen().root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data

    def click(self, wid, point, count=1):
        x, y, _, _ = self.geometry(wid)
        subprocess.run(["xdotool", "mousemove", "--sync", str(x + point[0]), str(y + point[1]),
                        "click", "--repeat", str(count), "--delay", "150", "1"],
                       env={"DISPLAY": self.display}, check=True, timeout=10)


class Window:
    """The main window, and places in it from the design's twips, scaled as the program
    scales them (steps of 1/16, found from the width; the rest of the height is the menu)."""

    def __init__(self, wine, timeout=30):
        self.wine = wine
        self.wid = wait_for(lambda: wine.shown(CAPTION), timeout, "the main window", 0.01)[0]
        self.x, self.y, self.width, self.height = wine.geometry(self.wid)
        self.scale = round(self.width * 15 / CLIENT[0] * 16) / 16
        self.menu = self.height - self.px(CLIENT[1])

    def px(self, twips):
        return int(twips / 15 * self.scale + 0.5)

    def at(self, left, top, frame=(0, 0), width=0, height=0):
        return (self.px(frame[0]) + self.px(left) + self.px(width) // 2,
                self.menu + self.px(frame[1]) + self.px(top) + self.px(height) // 2)

    def option(self, row):  # the indicator of an action's option button
        return self.at(240 + 90, 240 + 360 * row, (120, 120), 0, 255)

    def dot(self, row):  # pixels in the middle of that indicator: its dot when selected
        x, y = self.option(row)
        return self.inked((x - 3, y - 2, x + 3, y + 3))

    def field(self, row, index):  # the inside of a time field, (left, top, right, bottom)
        x, y = self.at(600 + 720 * index, 600 if row == "countdown" else 1680, TIME_FRAME)
        return x + 3, y + 3, x + self.px(375) - 3, y + self.px(285) - 3

    def inked(self, rect):
        """Pixels in rect standing out from its top-left corner's colour."""
        width, data = self.wine.image(self.wid)
        luma = lambda x, y: sum(data[(y * width + x) * 4 + c] for c in range(3)) / 3
        base = luma(rect[0], rect[1])
        return sum(abs(luma(x, y) - base) > 60
                   for y in range(rect[1], rect[3]) for x in range(rect[0], rect[2]))

    def fields(self, row):
        width, data = self.wine.image(self.wid)
        return [bytes(data[(y * width + l) * 4:(y * width + r) * 4]) for i in range(3)
                for l, t, r, b in [self.field(row, i)] for y in range(t, b)]

    def file_menu(self, entry):
        """File, then an entry by its row: 0 "Save settings", -1 "Exit" (five rows and three
        separators of a quarter row, inside 3 px of border)."""
        before = set(self.wine.shown(override=True))
        self.wine.click(self.wid, (12, self.menu // 2))
        menu = wait_for(lambda: [m for m in self.wine.shown(override=True) if m not in before
                                 and self.wine.geometry(m)[3] > 4 * self.menu], 10, "File")[0]
        _, _, width, height = self.wine.geometry(menu)
        row = (height - 6) / 5.75
        self.wine.click(menu, (width // 2, int(3 + row / 2 if entry == 0 else height - 3 - row / 2)))

    def close(self, program):
        self.file_menu(-1)
        wait_for(lambda: program.poll() is not None, 20, "the program to exit")


def ended(wine, program, timeout=30):
    """An accepted request ends the program: what wineboot and ExitWindowsEx were given."""
    wait_for(lambda: program.poll() is not None, timeout, "the request and the program's end")
    calls = []
    if os.path.exists(wine.boot_log):
        calls = [c for c in open(wine.boot_log).read().splitlines() if not c.endswith("--init")]
        os.remove(wine.boot_log)
    relay = re.findall(r"Call user32\.ExitWindowsEx\((\w+),(\w+)\)", wine.output(program))
    return calls, [(int(flags, 16), int(reason, 16)) for flags, reason in relay]


def handed(wine, *args, status=0):
    later = wine.start(*args)
    wait_for(lambda: later.poll() is not None, 30, f"the hand-off of {args}")
    check(later.returncode == status,
          f"{' '.join(args)} " + ("handed over" if status == 0 else f"refused ({status})"))


def scenario_window(wine):
    program = wine.start()
    window = Window(wine)
    mapped = time.monotonic() - program.started
    screen = wine.x.screen()
    check(window.scale >= 1 and abs(window.width - window.px(CLIENT[0])) <= 1 and
          10 <= window.menu <= 40, f"'{CAPTION}' mapped {window.width}x{window.height}: the "
          f"design at scale {window.scale} below a menu bar of {window.menu} px")
    # No window manager: wine draws no title bar, yet the frame's caption still counts when
    # the window is centred, so the client area sits lower by half of it.
    below = 2 * window.y + window.height - screen.height_in_pixels
    check(abs(2 * window.x + window.width - screen.width_in_pixels) <= 2 and 0 < below <= 80,
          f"centred at {window.x},{window.y}, the invisible caption taking {below} px")
    check(wait_for(wine.docked, 10, "the tray icon docked in trayer"), "the tray icon docks")
    time.sleep(0.5)  # the first paint
    for row in ("countdown", "clock"):
        counts = [window.inked(window.field(row, i)) for i in range(3)]
        check(min(counts) >= 4, f"the {row} fields show their text ({counts} pixels)")

    wine.click(window.wid, window.option(1))  # Turn off computer
    window.file_menu(0)
    answer = wait_for(lambda: wine.wine("reg", "query", SETTINGS_KEY).stdout, 10, SETTINGS_KEY)
    check(re.search(r"^\s*Action\s+REG_SZ\s+1\s*$", answer, re.M),
          f"File > Save settings wrote {SETTINGS_KEY}, Action 1")

    second = wine.start()
    box = wait_for(lambda: wine.shown("Orvanta"), 20, "the 'already running' message")[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", str(box), "key", "Return"],
                   env={"DISPLAY": wine.display}, check=True, timeout=10)
    wait_for(lambda: second.poll() is not None, 20, "the second start to end")
    check(second.returncode == 0 and "cannot use the lock" not in wine.output(program),
          "a second start shows 'already running' and ends with status 0")

    handed(wine, "--poweroff", "--in", "1:00:00")
    before = window.fields("countdown")
    time.sleep(1.2)
    check(window.fields("countdown") != before, "the running window counts down what it got")
    handed(wine, "--cancel")
    time.sleep(0.3)  # the last repaint
    before = window.fields("countdown")
    time.sleep(1.2)
    check(window.fields("countdown") == before, "--cancel disarmed the running program")
    calls = open(wine.boot_log).read() if os.path.exists(wine.boot_log) else ""
    check(all(c.endswith("--init") for c in calls.splitlines()), "nothing reached wineboot")

    # The picture button hides the window; a double-click on the icon brings it back.
    wine.click(window.wid, window.at(3840, 4440, width=375, height=375))
    wait_for(lambda: not wine.shown(CAPTION), 10, "the window hidden in the tray")
    icon = wine.docked()[0].id
    wine.click(icon, tuple(side // 2 for side in wine.geometry(icon)[2:]), count=2)
    window = Window(wine, 10)
    window.close(program)
    program = wine.start()
    window = Window(wine)
    time.sleep(0.5)
    check(window.dot(1) > window.dot(0),
          "a second run loads the saved action (Turn off computer)")
    print(f"figure: exec to window mapped {mapped * 1000:.0f} ms")
    for pid in filter(str.isdigit, os.listdir("/proc")):
        with contextlib.suppress(OSError):
            if open(f"/proc/{pid}/cmdline").read().split("\0")[0].endswith("orvanta.exe"):
                status = open(f"/proc/{pid}/status").read()
                print("figure:", *re.findall(r"^(?:RssAnon|VmRSS):.*$", status, re.M))

    # Values are read as text only: a DWORD (which QSettings would have taken for "1") counts
    # as missing, the default Log off; "@Variant(…)" stays those characters, not unpacked.
    window.close(program)
    for value, kind, data in (("Action", "REG_DWORD", "1"),
                              ("CountDown0", "REG_SZ", r"@Variant(\0\0\0\x7f)")):
        wine.wine("reg", "add", SETTINGS_KEY, "/v", value, "/t", kind, "/d", data, "/f")
    program = wine.start()
    window = Window(wine)
    time.sleep(0.5)
    text, zero = (window.inked(window.field("countdown", i)) for i in range(2))
    check(window.dot(0) > window.dot(1) and text > 1.5 * zero,
          f"a DWORD Action loads as Log off, '@Variant(…)' as text ({text} pixels, '0' {zero})")


def scenario_fire(wine):
    # By clicks: Countdown, the seconds spinner's up arrow three times, Turn off computer
    # (Force is ticked by default), Start.
    program = wine.start()
    window = Window(wine)
    wine.click(window.wid, window.at(240 + 90, 240, TIME_FRAME, 0, 255))
    wine.click(window.wid, window.at(2400, 600, TIME_FRAME, 240, 140), count=3)
    wine.click(window.wid, window.option(1))
    before = window.fields("countdown")
    wine.click(window.wid, window.at(1440, 4440, (0, 0), 2175, 375))
    time.sleep(1.5)
    check(window.fields("countdown") != before, "the countdown runs down in the fields")
    calls, relay = ended(wine, program)
    check(calls[-1:] == [r"C:\windows\system32\wineboot.exe --kill --shutdown"] and
          relay == [(EWX["poweroff"] | 4, 0xFFFFFFFF)],
          f"a forced power off reached ExitWindowsEx {relay} and wineboot {calls}")

    for action in ("logoff", "poweroff", "reboot"):
        for force in (False, True):
            args = [f"--{action}", *(["--force"] if force else []), "--in", "0:00:01"]
            calls, relay = ended(wine, wine.start(*args))
            flags = EWX[action] | (4 if force else 0)
            expected = rf"C:\windows\system32\wineboot.exe {WINEBOOT[force, action == 'reboot']}"
            check(calls == [expected] and relay == [(flags, 0xFFFFFFFF)],
                  f"{' '.join(args)}: ExitWindowsEx{relay}, wineboot {calls}")


def scenario_waits(wine):
    """By name, the user's notepad and none of this program's own processes; an idle wait
    holds the span after the last input. Without the warning minute a wait acts at once."""
    wine.wine("reg", "add", SETTINGS_KEY, "/v", "Warning", "/d", "0", "/f")
    program = wine.start()
    Window(wine)
    wine.spawn("notepad", [WINE, "notepad"], env=wine.env)
    wait_for(lambda: wine.shown("Untitled - Notepad"), 30, "notepad's window")
    handed(wine, "--poweroff", "--when-exits", "orvanta", status=2)  # its own are not listed
    handed(wine, "--poweroff", "--when-exits", "notepad")
    wine.wine("taskkill", "/im", "notepad.exe")
    calls, relay = ended(wine, program)
    check(len(relay) == 1 and relay[0][0] & ~4 == EWX["poweroff"],
          f"notepad's end powers off: ExitWindowsEx{relay}, wineboot {calls}")

    program = wine.start()
    window = Window(wine)
    stop, last = threading.Event(), [time.monotonic()]

    def move():  # to and fro over the window, which wine tells as input
        x, y, _, _ = wine.geometry(window.wid)
        while not stop.is_set():
            subprocess.run(["xdotool", "mousemove", "--sync", str(x + 20 + len(last) % 2 * 20),
                            str(y + 60)], env={"DISPLAY": wine.display}, check=True, timeout=10)
            last.append(time.monotonic())
            stop.wait(0.3)
    mover = threading.Thread(target=move)
    mover.start()
    handed(wine, "--poweroff", "--when-idle", "0.05")  # 3 s
    time.sleep(5)
    check(program.poll() is None, "input every 0.3 s keeps the idle wait from holding")
    stop.set()
    mover.join()
    wait_for(lambda: "Call user32.ExitWindowsEx" in wine.output(program), 15, "the request")
    after = time.monotonic() - last[-1]
    calls, relay = ended(wine, program)
    check(len(relay) == 1 and 3 <= after <= 4,
          f"the idle wait asks {after:.2f} s after the last input: ExitWindowsEx{relay}")
    print(f"figure: an idle wait of 3 s asked {after * 1000:.0f} ms after the last input")


def scenario_installer(wine):
    check(wine.wine(wine.setup, "/S", timeout=120).returncode == 0, "a silent install")
    folder = os.path.join(wine.prefix, "drive_c", "Program Files", "Orvanta")
    menu = os.path.join(wine.prefix, "drive_c", "ProgramData", "Microsoft", "Windows",
                        "Start Menu", "Programs", "Orvanta.lnk")
    entry = wine.wine("reg", "query", UNINSTALL_KEY).stdout
    check(all(os.path.isfile(f) for f in (f"{folder}/orvanta.exe", f"{folder}/uninstall.exe",
                                          menu)) and "DisplayIcon" in entry,
          "installed into Program Files, with a Start menu entry and an uninstaller listed")
    program = wine.start(exe=r"C:\Program Files\Orvanta\orvanta.exe")
    Window(wine).close(program)
    check(True, "the installed program starts")
    wine.wine(f"{folder}/uninstall.exe", "/S")
    # The uninstaller runs on from a copy of itself and removes the folder.
    wait_for(lambda: not os.path.exists(folder), 30, "the uninstaller to remove the folder")
    check(not os.path.exists(menu) and wine.wine("reg", "query", UNINSTALL_KEY).returncode,
          "the uninstaller removed the program, its entry and its listing")
    print(f"figure: installer {os.path.getsize(wine.setup)} bytes")


def scenario_console(wine):
    """From cmd in a terminal, `start /wait` gives the program no console and no handles, as
    Windows gives a windowed program: it attaches to the prompt's, so --help shows no message
    box, and the status reaches the script. (The text is not seen: wine's C library cannot
    reopen a stream that had no handle.) With no console at all, a refusal's reason goes to
    the standard error its starter reads. The lock is named after the user and the session
    (wine has one of each), as the pipe is; later starts check the pipe's owner everywhere."""
    import glob
    exe = "Z:" + wine.exe.replace("/", "\\")
    for args, status in (("--help", 0), ("--bogus", 2)):
        line = f"{WINE} cmd /c 'start /wait {exe} {args} & echo status %ERRORLEVEL%'"
        shown = subprocess.run(["script", "-qc", line, "/dev/null"], env=wine.env, text=True,
                               capture_output=True, errors="replace", timeout=60).stdout
        check(f"status {status}" in shown, f"start /wait orvanta.exe {args}: status {status}")
    bogus = wine.wine(wine.exe, "--bogus")
    check(bogus.returncode == 2 and "Unknown option 'bogus'" in bogus.stderr,
          "without a console the reason goes to the standard error its starter reads")
    wine.wine(wine.exe, "--cancel")  # takes the lock: none runs
    locks = glob.glob(f"{wine.prefix}/drive_c/users/*/AppData/Local/Orvanta/*.lock")
    check(len(locks) == 1 and re.fullmatch(r"orvanta-S-1-5-21(-\d+)+-\d+\.lock",
                                           os.path.basename(locks[0])),
          f"the lock is named after the user and the session: {locks}")


def main():
    scenario, *paths = sys.argv[1:]
    signal.signal(signal.SIGTERM, lambda signum, _: sys.exit(128 + signum))
    wine = Wine(*paths)
    try:
        globals()[f"scenario_{scenario}"](wine)
    except BaseException:
        for p in wine.programs:
            print(f"--- {p.args}, exit {p.poll()}:\n{wine.output(p)[-3000:]}")
        raise
    finally:
        wine.stop()


if __name__ == "__main__":
    main()
