"""orvanta.exe under wine on Xvfb, clicked where the window's design puts things, in the prefix
whose wineboot.exe is the recorder; the flags from wine's relay trace of ExitWindowsEx.
    usage: test_wine.py window|fire|waits|installer|console|check|run EXE PREFIX RECORDER SETUP"""

import contextlib
import fcntl
import filecmp
import glob
import os
import re
import subprocess
import sys
import threading
import time

from Xlib import X

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from harness import Desktop, wait_for  # noqa: E402

WINE, WINESERVER = "/usr/lib/wine/wine64", "/usr/lib/wine/wineserver"
CAPTION, CLIENT, TIME_FRAME = "Orvanta v1.2", (4335, 5325), (120, 2280)  # design in twips
SETTINGS_KEY = r"HKCU\Software\Orvanta\Orvanta\Settings"
SCHEDULES_KEY = SETTINGS_KEY.replace("Settings", "Schedules")
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanta"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
PACKAGING = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging")
# WORKAROUND: wine runs its built-in wineboot.exe unless told "native"; the recorder then
# also gets the "--init" that begins each wine session. The menu builder stays off: it would
# write desktop entries, menus and icons into the user's home.
OVERRIDES = "mscoree,mshtml=;wineboot.exe=n;winemenubuilder.exe=d"
EWX = {"logoff": 0, "poweroff": 8, "reboot": 2}


def check(ok, what):
    if not ok:
        raise AssertionError(what)
    print(f"ok: {what}", flush=True)


class Wine(Desktop):
    """The end-to-end desktop without buses; the prefix locked, a fresh user in it."""

    def __init__(self, exe, prefix, recorder, setup):
        super().__init__(a11y=False)
        self.exe, self.prefix, self.recorder, self.setup = exe, prefix, recorder, setup
        self.boot_log = os.path.join(prefix, "drive_c", "orvanta-wineboot.log")

    def start(self):
        subprocess.run([os.path.join(os.path.dirname(__file__), "wine-prefix.sh"), self.prefix,
                        self.recorder], check=True, timeout=120)
        self.lock = open(self.prefix + ".lock", "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        with contextlib.suppress(FileNotFoundError):
            os.remove(self.boot_log)
        self.start_x("1024x768x24")
        self.env = {"PATH": "/usr/bin:/bin", "HOME": os.environ.get("HOME", self.tmp),
                    "DISPLAY": self.display, "WINEPREFIX": self.prefix, "WINEDEBUG": "-all",
                    "WINEDLLOVERRIDES": OVERRIDES, "LANG": "C.UTF-8",
                    "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent"}
        self.tray = self.start_tray()
        self.wine("reg", "delete", r"HKCU\Software\Orvanta", "/f")
        self.wine("reg", "add", r"HKCU\Software\Wine\Debug", "/v", "RelayInclude", "/d",
                  "user32.ExitWindowsEx", "/f")
        users = os.path.join(self.prefix, "drive_c", "users")
        for user in os.listdir(users):
            subprocess.run(["rm", "-rf", os.path.join(users, user, "AppData/Local/Orvanta")])

    def wine(self, *argv, timeout=60):
        return subprocess.run([WINE, *argv], env=self.env, capture_output=True, text=True,
                              errors="replace", timeout=timeout)

    def run(self, *args, exe=None):
        boot = os.path.join(self.prefix, "drive_c", "windows", "system32", "wineboot.exe")
        if not (filecmp.cmp(self.recorder, boot, shallow=False) and
                "wineboot.exe=n" in self.env["WINEDLLOVERRIDES"]):
            raise RuntimeError("the recorder is not in wineboot.exe's place: not starting")
        program = self._spawn(f"orvanta-{len(self.programs)}", [WINE, exe or self.exe, *args],
                              env=dict(self.env, WINEDEBUG="+relay"))
        self.procs.remove(program)
        program.started = time.monotonic()
        self.programs.append(program)
        return program

    def stop(self):
        if self.x is not None:  # started: the wine processes end before the desktop
            subprocess.run([WINESERVER, "-k"], env=self.env, capture_output=True, timeout=30)
            subprocess.run([WINESERVER, "-w"], env=self.env, capture_output=True, timeout=30)
        super().stop()
        with contextlib.suppress(AttributeError):
            self.lock.close()

    def shown(self, name=None, menus=False):
        return [w for w in self.stacking(menus)
                if name is None or self.ask(w, lambda w: w.get_wm_name()) == name]

    def docked(self):  # windows of wine's explorer (which forwards tray icons) in trayer's panel
        return [k for k in self.inside(self.shown("panel"))
                if "explorer.exe" in (self.ask(k, lambda w: w.get_wm_class()) or ())]

    def image(self, wid):
        x, y, w, h = self.geometry(wid)
        return w, self.x.screen().root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data

    def click_in(self, wid, point, count=1):
        x, y, _, _ = self.geometry(wid)
        self.click(x + point[0], y + point[1], count)


class Window:
    """The main window, and places in it from the design's twips, scaled in steps of 1/16."""

    def __init__(self, wine, timeout=30):
        self.wine = wine
        self.wid = wait_for(lambda: wine.shown(CAPTION), timeout, 0.01, "the main window")[0]
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

    def inked(self, rect):  # pixels in rect standing out from its top-left corner's colour
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
        """File, then 0 "Save settings" or -1 "Exit" (six rows, three quarter-row separators)."""
        before = set(self.wine.shown(menus=True))
        self.wine.click_in(self.wid, (12, self.menu // 2))
        menu = wait_for(lambda: [m for m in self.wine.shown(menus=True) if m not in before
                                 and self.wine.geometry(m)[3] > 4 * self.menu], 10, what="File")[0]
        _, _, width, height = self.wine.geometry(menu)
        row = (height - 6) / 6.75
        y = 3 + row / 2 if entry == 0 else height - 3 - row / 2
        self.wine.click_in(menu, (width // 2, int(y)))

    def close(self, program):
        self.file_menu(-1)
        wait_for(lambda: program.poll() is not None, 20, what="the program to exit")


def ended(wine, program, timeout=30):
    """What wineboot and ExitWindowsEx were given once an accepted request ended it."""
    wait_for(lambda: program.poll() is not None, timeout, what="the request and the end")
    calls = [c for c in wine.output(wine.boot_log).splitlines() if not c.endswith("--init")]
    with contextlib.suppress(FileNotFoundError):
        os.remove(wine.boot_log)
    relay = re.findall(r"Call user32\.ExitWindowsEx\((\w+),(\w+)\)", wine.output(program.log))
    return calls, [(int(flags, 16), int(reason, 16)) for flags, reason in relay]


def handed(wine, *args, status=0):
    later = wine.run(*args)
    wait_for(lambda: later.poll() is not None, 30, what=f"the hand-off of {args}")
    check(later.returncode == status,
          f"{' '.join(args)} " + ("handed over" if status == 0 else f"refused ({status})"))


def scenario_window(wine):
    program = wine.run()
    window = Window(wine)
    mapped = time.monotonic() - program.started
    screen = wine.x.screen()
    check(window.scale >= 1 and abs(window.width - window.px(CLIENT[0])) <= 1 and
          10 <= window.menu <= 40, f"'{CAPTION}' mapped {window.width}x{window.height}: the "
          f"design at scale {window.scale} below a menu bar of {window.menu} px")
    # Centred with the caption wine does not draw (no window manager): lower by half of it.
    below = 2 * window.y + window.height - screen.height_in_pixels
    check(abs(2 * window.x + window.width - screen.width_in_pixels) <= 2 and 0 < below <= 80,
          f"centred at {window.x},{window.y}, the invisible caption taking {below} px")
    check(wait_for(wine.docked, 10, what="the tray icon docked in trayer"), "the tray icon docks")
    time.sleep(0.5)  # the first paint
    for row in ("countdown", "clock"):
        counts = [window.inked(window.field(row, i)) for i in range(3)]
        check(min(counts) >= 4, f"the {row} fields show their text ({counts} pixels)")

    wine.click_in(window.wid, window.option(1))  # Turn off computer
    window.file_menu(0)
    answer = wait_for(lambda: wine.wine("reg", "query", SETTINGS_KEY).stdout, 10, what="a save")
    check(re.search(r"^\s*Action\s+REG_SZ\s+1\s*$", answer, re.M),
          f"File > Save settings wrote {SETTINGS_KEY}, Action 1")

    second = wine.run()
    wait_for(lambda: second.poll() is not None, 20, what="the second start to end")
    check(second.returncode == 0 and "cannot use the lock" not in wine.output(program.log),
          "a second start hands over to the running one and ends with status 0")

    handed(wine, "--poweroff", "--in", "1:00:00")
    before = window.fields("countdown")
    time.sleep(1.2)
    check(window.fields("countdown") != before, "the running window counts down what it got")
    handed(wine, "--cancel")
    time.sleep(0.3)  # the last repaint
    before = window.fields("countdown")
    time.sleep(1.2)
    check(window.fields("countdown") == before, "--cancel disarmed the running program")

    # The warning never takes the keyboard. With the window hidden by the picture button no
    # window of the program has the keys: a click on the warning's text leaves it so, and keys
    # typed then press none of its buttons. One click on its Cancel withdraws it.
    handed(wine, "--poweroff", "--in", "0:00:15")
    due = time.monotonic() + 15
    warning = wait_for(lambda: wine.shown("Orvanta"), 10, what="the warning")[0]
    wine.click_in(window.wid, window.at(3840, 4800, width=375, height=375))
    wait_for(lambda: not wine.shown(CAPTION), 10, what="the window hidden in the tray")
    width, height = wine.geometry(warning)[2:]
    wine.click_in(warning, (width // 2, 36))  # its text, below the caption wine draws
    wine.xdotool("key", "a", "b", "space")
    # WORKAROUND: wine unmaps a window only after waiting 2 s for a window manager's word.
    time.sleep(2.5)
    check(wine.viewable(warning), "keys typed after a click on the warning's text press nothing")
    wine.click_in(warning, (width - 50, height - 23))  # Cancel, the last button
    wait_for(lambda: not wine.viewable(warning), 3, what="one click on Cancel to withdraw it")
    time.sleep(max(0, due + 2 - time.monotonic()))
    check("Call user32.ExitWindowsEx" not in wine.output(program.log),
          "one click on the warning's Cancel withdraws it, and the power off never comes")

    # Brought back by a double-click on the icon.
    icon = wine.docked()[0]
    wine.click_in(icon, tuple(side // 2 for side in wine.geometry(icon)[2:]), count=2)
    window = Window(wine, 10)
    window.close(program)
    program = wine.run()
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

    # Values are text only: a DWORD counts as missing (Log off), "@Variant(…)" is not unpacked.
    window.close(program)
    for value, kind, data in (("Action", "REG_DWORD", "1"),
                              ("CountDown0", "REG_SZ", r"@Variant(\0\0\0\x7f)")):
        wine.wine("reg", "add", SETTINGS_KEY, "/v", value, "/t", kind, "/d", data, "/f")
    program = wine.run()
    window = Window(wine)
    time.sleep(0.5)
    text, zero = (window.inked(window.field("countdown", i)) for i in range(2))
    check(window.dot(0) > window.dot(1) and text > 1.5 * zero,
          f"a DWORD Action loads as Log off, '@Variant(…)' as text ({text} pixels, '0' {zero})")


def scenario_fire(wine):
    """Clicked: Countdown, the seconds' up arrow thrice, Turn off computer (forced), Start."""
    program = wine.run()
    window = Window(wine)
    wine.click_in(window.wid, window.at(240 + 90, 240, TIME_FRAME, 0, 255))
    wine.click_in(window.wid, window.at(2400, 600, TIME_FRAME, 240, 140), count=3)
    wine.click_in(window.wid, window.option(1))
    before = window.fields("countdown")
    wine.click_in(window.wid, window.at(1440, 4800, (0, 0), 2175, 375))
    # Three seconds are inside the warning minute: the warning window comes at once.
    wait_for(lambda: wine.shown("Orvanta"), 3, what="the warning window")
    check("Call user32.ExitWindowsEx" not in wine.output(program.log),
          "the warning is up before the request")
    time.sleep(1.5)
    check(window.fields("countdown") != before, "the countdown runs down in the fields")
    calls, relay = ended(wine, program)
    check(calls[-1:] == [r"C:\windows\system32\wineboot.exe --kill --shutdown"] and
          relay == [(EWX["poweroff"] | 4, 0xFFFFFFFF)],
          f"a forced power off reached ExitWindowsEx {relay} and wineboot {calls}")


def scenario_waits(wine):
    """The user's notepad by name, none of the program's own; an idle wait after the last input.
    The warning minute is off: that a wait which holds warns first is tst_arming's."""
    wine.wine("reg", "add", SETTINGS_KEY, "/v", "Warning", "/d", "0", "/f")
    program = wine.run()
    Window(wine)
    wine._spawn("notepad", [WINE, "notepad"], env=wine.env)
    wait_for(lambda: wine.shown("Untitled - Notepad"), 30, what="notepad's window")
    handed(wine, "--poweroff", "--when-exits", "orvanta", status=2)  # its own are not listed
    handed(wine, "--poweroff", "--when-exits", "notepad")
    wine.wine("taskkill", "/im", "notepad.exe")
    calls, relay = ended(wine, program)
    check(len(relay) == 1 and relay[0][0] & ~4 == EWX["poweroff"],
          f"notepad's end powers off: ExitWindowsEx{relay}, wineboot {calls}")

    program = wine.run()
    window = Window(wine)
    stop, last = threading.Event(), [time.monotonic()]

    def move():  # to and fro over the window, which wine tells as input
        while not stop.is_set():
            wine.move(window.x + 20 + len(last) % 2 * 20, window.y + 60)
            last.append(time.monotonic())
            stop.wait(0.3)
    mover = threading.Thread(target=move)
    mover.start()
    handed(wine, "--poweroff", "--when-idle", "0.05")  # 3 s
    time.sleep(5)
    check(program.poll() is None, "input every 0.3 s keeps the idle wait from holding")
    stop.set()
    mover.join()
    wait_for(lambda: "Call user32.ExitWindowsEx" in wine.output(program.log), 15,
             what="the request")
    after = time.monotonic() - last[-1]
    calls, relay = ended(wine, program)
    check(len(relay) == 1 and 3 <= after <= 4,
          f"the idle wait asks {after:.2f} s after the last input: ExitWindowsEx{relay}")
    print(f"figure: an idle wait of 3 s asked {after * 1000:.0f} ms after the last input")


def hidden_with_schedule(wine, exe):
    """The program with a schedule on, running on hidden with its icon; the Run value made.
    WORKAROUND: wine's desktop process, started by the first program that needs it, keeps
    that program's standard handles: started by this one, it holds no test's pipe open."""
    program = wine.run("--schedule", "daily 23:30", "--poweroff", exe=exe)
    wait_for(wine.docked, 30, what="the icon of the program running on hidden")
    return program


def run_value(wine):
    found = re.search(r"REG_SZ\s+(.*?)\s*$", wine.wine("reg", "query", RUN_KEY, "/v",
                                                       "Orvanta").stdout, re.M)
    return found and found.group(1)


def scenario_installer(wine):
    """/S /AllUsers into Program Files and HKLM; /S alone, no elevation, for the user alone
    (LocalAppData\Programs, HKCU). Each uninstaller removes its own install, and what its
    program left for the user: the start with the session when it is this copy's, the lock.
    The licence shown is the plain one with Windows' line breaks. A Russian Windows gets the
    Start menu entry's comment in Russian."""
    with open(wine.setup, "rb") as setup:
        check(b'requestedExecutionLevel level="asInvoker"' in setup.read(),
              "the installer asks for no elevation as it starts")
    drive, user_key = os.path.join(wine.prefix, "drive_c"), UNINSTALL_KEY.replace("HKLM", "HKCU")
    start_menu = os.path.join("Microsoft", "Windows", "Start Menu", "Programs", "Orvanta.lnk")
    for args in (["/S", "/AllUsers"], ["/S"]):
        check(wine.wine(wine.setup, *args, timeout=120).returncode == 0, f"installed with {args}")
        everyone, users = len(args) == 2, os.path.join(drive, "users")
        home = [os.path.join(users, u) for u in os.listdir(users)
                if os.path.isdir(os.path.join(users, u, "AppData/Local/Programs/Orvanta"))]
        if everyone:
            folder = os.path.join(drive, "Program Files", "Orvanta")
            menu = os.path.join(drive, "ProgramData", start_menu)
            key, other = UNINSTALL_KEY, user_key
        else:
            folder = os.path.join(*home[:1], "AppData", "Local", "Programs", "Orvanta")
            menu = os.path.join(*home[:1], "AppData", "Roaming", start_menu)
            key, other = user_key, UNINSTALL_KEY
        entry = wine.wine("reg", "query", key).stdout
        files = (f"{folder}/orvanta.exe", f"{folder}/uninstall.exe", menu)
        check(len(home) == (not everyone) and "DisplayIcon" in entry and "uninstall.exe" in entry
              and all(map(os.path.isfile, files)) and wine.wine("reg", "query", other).returncode
              and os.path.exists(os.path.join(drive, "Program Files", "Orvanta")) == everyone,
              f"{args}: into {folder}, its Start menu entry, listed under {key[:4]} alone")
        with open(f"{folder}/LICENSE.txt", "rb") as f:  # what the licence page showed
            text = f.read()
        check(text.count(b"\n") == text.count(b"\r\n") > 10 and b"Format:" not in text,
              "the licence is a plain text (not Debian's copyright file), with CRLF")
        program = wine.run(exe=f"{folder}/orvanta.exe")
        Window(wine).close(program)
        if everyone:  # another copy's start with the session is not this uninstaller's
            other = r'"C:\Other\orvanta.exe" --autostart'
            wine.wine("reg", "add", RUN_KEY, "/v", "Orvanta", "/d", other, "/f")
        else:  # a schedule made it start with the session; then it ended as in a power cut
            program = hidden_with_schedule(wine, f"{folder}/orvanta.exe")
            program.kill()
            program.wait(10)
            other = None
        locks = glob.glob(f"{drive}/users/*/AppData/Local/Orvanta/orvanta-*.lock")
        check(len(locks) == 1, f"the program left its lock: {locks}")
        wine.wine(f"{folder}/uninstall.exe", "/S")  # its copy in %TEMP% goes on; the listing last
        wait_for(lambda: wine.wine("reg", "query", key).returncode, 30, what="the uninstall")
        check(not os.path.exists(menu) and not os.path.exists(folder),
              f"{args}: the program starts; its uninstaller removes it, its entry, its listing")
        check(run_value(wine) == other and not os.path.exists(os.path.dirname(locks[0])),
              f"{args}: the uninstaller removes this copy's Run value and lock, no other's")
        wine.wine("reg", "delete", RUN_KEY, "/v", "Orvanta", "/f")

    # A Russian Windows: its language from a locale of the test's own (none is installed).
    locales = os.path.join(wine.tmp, "locales")
    os.mkdir(locales)
    subprocess.run(["localedef", "-i", "ru_RU", "-f", "UTF-8", f"{locales}/ru_RU.UTF-8"],
                   check=True, timeout=60)
    russian = dict(wine.env, LOCPATH=locales, LANG="ru_RU.UTF-8")
    check(subprocess.run([WINE, wine.setup, "/S"], env=russian, timeout=120).returncode == 0,
          "installed on a Russian Windows")
    with open(os.path.join(PACKAGING, "windows", "languages.nsh"), encoding="utf-8-sig") as f:
        comment = re.search(r'SHORTCUT_COMMENT \$\{LANG_RUSSIAN\} "(.*)"', f.read()).group(1)
    link = glob.glob(f"{drive}/users/*/AppData/Roaming/{start_menu}")
    with open(link[0], "rb") as f:
        check(comment.encode("utf-16-le") in f.read(), f"the Start menu entry says '{comment}'")
    uninstaller = glob.glob(f"{drive}/users/*/AppData/Local/Programs/Orvanta/uninstall.exe")
    subprocess.run([WINE, uninstaller[0], "/S"], env=russian, timeout=60)
    wait_for(lambda: wine.wine("reg", "query", user_key).returncode, 30,
             what="the Russian uninstall")
    print(f"figure: installer {os.path.getsize(wine.setup)} bytes")


def scenario_console(wine):
    """`start /wait` from cmd: no message box for --help (it attaches to the prompt's console),
    the status reaches the script; with no console the reason goes to standard error. The
    lock is named after the user and the session."""
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

    # The running program's list of schedules: UTF-8 into a pipe, with nothing from the
    # toolkit before it; the characters themselves on a console (code page 437).
    hidden_with_schedule(wine, wine.exe)
    listed = subprocess.run([WINE, wine.exe, "--schedules"], env=wine.env, capture_output=True,
                            timeout=60)
    check(listed.returncode == 0 and "Next: ".encode() in listed.stdout and
          "23:30 \u2014 ".encode() in listed.stdout and not listed.stderr.strip(),
          f"--schedules into a pipe: UTF-8, nothing on standard error {listed.stderr[:200]}")
    line = f"{WINE} cmd /c 'start /wait {exe} --schedules'"
    shown = subprocess.run(["script", "-qc", line, "/dev/null"], env=wine.env, text=True,
                           capture_output=True, errors="replace", timeout=60).stdout
    check("23:30 \u2014 " in shown, f"--schedules on a console: the em dash as itself {shown!r}")
    # The last schedule removed: no values left behind, nor the start with the session.
    stored = wine.wine("reg", "query", SCHEDULES_KEY).stdout
    handed(wine, "--schedule-remove", "1")
    left = wine.wine("reg", "query", SCHEDULES_KEY).stdout
    check("Schedule1Settled" in stored and not re.search(r"^\s+Schedule", left, re.M) and
          not run_value(wine), f"removing the last schedule leaves no values: {left!r}")


def scenario_check(wine):
    """--check says what GetPwrCapabilities says (power_caps.exe): sleep S3, hibernate S4."""
    caps = wine.wine(os.path.join(os.path.dirname(wine.recorder), "power_caps.exe")).stdout
    has = {k: v == "1" for k, v in re.findall(r"(\w+)=(\d)", caps)}
    check(len(has) == 4, f"power_caps.exe read {caps.strip()}")
    answer = wine.wine(wine.exe, "--check")
    said = dict(re.findall(r"^.* \((--[\w-]+)\): (.*?)\r?$", answer.stdout, re.M))
    sleep = "yes" if has["S3"] else ("This computer sleeps only by turning off its display "
                                     "(Modern Standby)." if has["AoAc"] else
                                     "This computer cannot sleep.")
    hibernate = ("This computer cannot hibernate." if not has["S4"] else "yes"
                 if has["HiberFilePresent"] else "Hibernation is turned off on this computer.")
    # Wine's power plan cannot be read (PowerGetActiveScheme: ERROR_CALL_NOT_IMPLEMENTED) and
    # its resume timer is set without complaint: waking counts as possible.
    wanted = dict.fromkeys(("--logoff", "--poweroff", "--reboot", "--lock", "--display-off",
                            "--wake"), "yes") | {"--sleep": sleep, "--hibernate": hibernate}
    # The execution state is taken and let go through the real code: wine says yes.
    check(answer.stdout.rstrip().endswith("Keep awake: Windows' execution state"),
          f"--check names what keeps the computer awake: {answer.stdout[-80:]!r}")
    check(answer.returncode == 0 and said.keys() == wanted.keys() and
          all(said[o] == w if w == "yes" else said[o] == "no: " + w
              for o, w in wanted.items()), f"--check answered {said}")
    # Wine's LockWorkStation is not implemented: the refusal is said, the program runs on.
    program = wine.run("--lock", "--in", "0:00:01")
    said = wait_for(lambda: [line for line in wine.output(program.log).splitlines()
                             if "lock was refused" in line], 15, what="the lock's answer")
    check("LockWorkStation refused" in said[0] and program.poll() is None,
          f"a lock nobody carried out is reported, and the program runs on: {said}")


def scenario_run(wine):
    """The user's command as the action: split as CommandLineToArgvW splits, cmd redirects."""
    out = os.path.join(wine.tmp, "ran.txt")
    program = wine.run("--run", "cmd /c echo ran> Z:" + out.replace("/", "\\"), "--in",
                       "0:00:01")
    wait_for(lambda: wine.output(out).strip() == "ran", 20, what="the command's file")
    said = wait_for(lambda: re.findall(r"cmd\.exe ended with status 0 after 0:00:0\d\. Its "
                                       r"output: .*command\.log", wine.output(program.log)), 10,
                    what="the report")
    asked = "Call user32.ExitWindowsEx" in wine.output(program.log)
    check(program.poll() is None and not asked,
          f"cmd /c echo ran as the action, the program runs on: {said}")


if __name__ == "__main__":
    scenario, *paths = sys.argv[1:]
    with Wine(*paths) as wine:
        globals()[f"scenario_{scenario}"](wine)
