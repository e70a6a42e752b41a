"""A private desktop for driving the real orvanta binary from outside.

One Desktop per test process: Xvfb on a free display, a private session bus and a
private "system" bus, python3-dbusmock's logind template (with the methods it lacks)
on that system bus, the XEmbed tray host trayer, the at-spi bus, and for the program an
empty HOME with its own XDG folders and a PATH whose first folder holds recorders of
the power commands. Every process is ours, started in its own process group and stopped
by that id at the end, also when a test fails or the interpreter exits.

Needs /usr/bin/python3 (Debian's dbus, gi, pyatspi and dbusmock modules).
"""

import atexit
import ctypes
import ctypes.util
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import dbus

LOGIND_NAME = "org.freedesktop.login1"
LOGIND_PATH = "/org/freedesktop/login1"
LOGIND_MANAGER = "org.freedesktop.login1.Manager"
LOGIND_SESSION = "org.freedesktop.login1.Session"
AUTO_SESSION_PATH = "/org/freedesktop/login1/session/auto"
MOCK_IFACE = "org.freedesktop.DBus.Mock"

RECORDED_COMMANDS = ("shutdown", "poweroff", "reboot", "halt", "systemctl", "loginctl")

# Calls that would end the session or the machine; everything else the mock answers is
# a question (CanPowerOff, GetSessionByPID, ...).
POWER_METHODS = ("PowerOff", "Reboot", "PowerOffWithFlags", "RebootWithFlags",
                 "TerminateSession", "Terminate")

SD_LOGIND_SKIP_INHIBITORS = 0x10


class HarnessError(Exception):
    pass


def wait_for(predicate, timeout, interval=0.02, what="condition"):
    """Polls predicate until it returns something true; that value is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise HarnessError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def _die_with_parent():
    # A child that outlives a killed test run would hold a display or a bus forever.
    libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
    PR_SET_PDEATHSIG = 1
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def _read_line_from_fd(fd, timeout, what):
    deadline = time.monotonic() + timeout
    data = b""
    while b"\n" not in data:
        left = deadline - time.monotonic()
        if left <= 0:
            raise HarnessError(f"timed out reading {what}")
        ready, _, _ = select.select([fd], [], [], left)
        if not ready:
            continue
        chunk = os.read(fd, 256)
        if not chunk:
            break
        data += chunk
    line = data.split(b"\n", 1)[0].decode().strip()
    if not line:
        raise HarnessError(f"no {what} reported")
    return line


class _X11:
    """The few Xlib calls that no command-line tool answers (selection owners)."""

    def __init__(self, display):
        self.lib = ctypes.CDLL("libX11.so.6")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.lib.XInternAtom.restype = ctypes.c_ulong
        self.lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.lib.XGetSelectionOwner.restype = ctypes.c_ulong
        self.lib.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = display

    def selection_owner(self, name):
        # A connection per question: one held open past the server's end would make Xlib
        # end this process.
        dpy = self.lib.XOpenDisplay(self.display.encode())
        if not dpy:
            raise HarnessError(f"cannot open display {self.display}")
        try:
            atom = self.lib.XInternAtom(dpy, name.encode(), 0)
            return self.lib.XGetSelectionOwner(dpy, atom)
        finally:
            self.lib.XCloseDisplay(dpy)

    def timed_click(self, button):
        """Press and release through XTest, the way xdotool does, but timed here: the
        moment returned is when the X server has taken the release."""
        xtst = ctypes.CDLL("libXtst.so.6")
        xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                              ctypes.c_ulong]
        self.lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        dpy = self.lib.XOpenDisplay(self.display.encode())
        if not dpy:
            raise HarnessError(f"cannot open display {self.display}")
        try:
            xtst.XTestFakeButtonEvent(dpy, button, 1, 0)
            self.lib.XSync(dpy, 0)
            xtst.XTestFakeButtonEvent(dpy, button, 0, 0)
            self.lib.XSync(dpy, 0)
            return time.time()
        finally:
            self.lib.XCloseDisplay(dpy)


class Program:
    """One run of the binary, with its standard output and error kept in files."""

    def __init__(self, desktop, popen, out_path, err_path, started):
        self.desktop = desktop
        self.popen = popen
        self.pid = popen.pid
        self.out_path = out_path
        self.err_path = err_path
        self.started = started

    def running(self):
        return self.popen.poll() is None

    def wait_exit(self, timeout):
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise HarnessError(f"orvanta (pid {self.pid}) still running after {timeout} s")

    def kill(self, sig=signal.SIGTERM):
        if self.running():
            os.kill(self.pid, sig)

    def stderr(self):
        with open(self.err_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def stdout(self):
        with open(self.out_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def main_window(self, timeout=10):
        """The X window id of the main window (caption "Orvanta v1.2") of this process."""
        def one():
            windows = self.desktop.window_by_name("^Orvanta v1\\.2$", self.pid)
            if len(windows) > 1:
                raise HarnessError(f"{len(windows)} main windows of pid {self.pid}")
            return windows[0] if windows and self.desktop.is_viewable(windows[0]) else None
        return wait_for(one, timeout, interval=0.05, what="the main window")


class Desktop:
    def __init__(self, logind="flags", tray=True, a11y=True, screen="1280x1024x24"):
        """logind: "flags" (a logind that knows the inhibitor-skipping flag),
        "systemd252" (flags above 0x3 refused with InvalidArgs, like Debian 12's),
        "refuse" (every power request answered with AccessDenied)."""
        if logind not in ("flags", "systemd252", "refuse"):
            raise ValueError(logind)
        self.logind_variant = logind
        self.want_tray = tray
        self.want_a11y = a11y
        self.screen = screen
        self.tmp = tempfile.mkdtemp(prefix="orvanta-e2e-")
        self._procs = []  # (name, Popen), stopped in reverse order
        self.programs = []
        self.display = None
        self.session_address = None
        self.system_address = None
        self.x11 = None
        self.trayer_panel = None
        self._stopped = False
        atexit.register(self.stop)
        # A test runner's timeout sends SIGTERM: leave through the cleanup, not around it.
        if signal.getsignal(signal.SIGTERM) is signal.SIG_DFL:
            signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit(128 + signum))

    # ---- life cycle -------------------------------------------------------------------

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, kind, value, tb):
        if kind is not None:
            self.report()
        self.stop()
        return False

    def report(self):
        """What the program and the mock said, for the reader of a failed run."""
        for program in self.programs:
            status = program.popen.poll()
            print(f"--- orvanta pid {program.pid} ({'running' if status is None else status}), "
                  f"standard error:\n{program.stderr()[-3000:]}")
        print(f"--- logind mock calls:\n{self.logind_calls()}")
        print(f"--- commands run: {self.recorded_commands()!r}")

    def start(self):
        self._make_home()
        self._start_xvfb()
        self.session_address = self._start_bus("session")
        self.system_address = self._start_bus("system")
        self._start_logind_mock()
        if self.want_a11y:
            self._start_a11y()
        if self.want_tray:
            self._start_trayer()
        # Everything we start from now on, and this process's own D-Bus clients, use
        # the private buses.
        os.environ["DISPLAY"] = self.display
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.session_address
        os.environ["DBUS_SYSTEM_BUS_ADDRESS"] = self.system_address
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

    def stop(self):
        if self._stopped:
            return
        self._stopped = True
        for program in self.programs:
            self._stop_popen(program.popen)
        for _, popen in reversed(self._procs):
            self._stop_popen(popen)
        if os.environ.get("ORVANTA_E2E_KEEP_TMP"):
            print(f"kept {self.tmp}")
        else:
            shutil.rmtree(self.tmp, ignore_errors=True)

    @staticmethod
    def _stop_popen(popen):
        if popen.poll() is not None:
            return
        # Each child leads its own process group, so helpers it spawned (the a11y bus,
        # activated services) go with it; the id is our child's own pid.
        for sig, grace in ((signal.SIGTERM, 2.0), (signal.SIGKILL, 2.0)):
            try:
                os.killpg(popen.pid, sig)
            except ProcessLookupError:
                pass
            try:
                popen.wait(timeout=grace)
                break
            except subprocess.TimeoutExpired:
                continue
        # Stragglers of the group once the leader is gone.
        try:
            os.killpg(popen.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass

    def _spawn(self, name, argv, env=None, **kwargs):
        log = open(os.path.join(self.tmp, f"{name}.log"), "ab")
        popen = subprocess.Popen(argv, env=env if env is not None else self._helper_env(),
                                 stdin=subprocess.DEVNULL, stdout=kwargs.pop("stdout", log),
                                 stderr=log, start_new_session=True,
                                 preexec_fn=_die_with_parent, **kwargs)
        log.close()
        self._procs.append((name, popen))
        return popen

    def _helper_env(self):
        env = dict(os.environ)
        for key in ("DBUS_SESSION_BUS_ADDRESS", "DBUS_SYSTEM_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                    "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "XDG_SESSION_DESKTOP",
                    "WAYLAND_DISPLAY", "SESSION_MANAGER"):
            env.pop(key, None)
        # No helper may ever reach the machine's own buses; until ours exist they point
        # at nothing.
        env["DBUS_SESSION_BUS_ADDRESS"] = self.session_address or "unix:path=/nonexistent"
        env["DBUS_SYSTEM_BUS_ADDRESS"] = self.system_address or "unix:path=/nonexistent"
        if self.display:
            env["DISPLAY"] = self.display
        return env

    def _make_home(self):
        self.home = os.path.join(self.tmp, "home")
        self.xdg = {
            "XDG_CONFIG_HOME": os.path.join(self.tmp, "config"),
            "XDG_DATA_HOME": os.path.join(self.tmp, "data"),
            "XDG_CACHE_HOME": os.path.join(self.tmp, "cache"),
            "XDG_RUNTIME_DIR": os.path.join(self.tmp, "runtime"),
        }
        for path in [self.home, *self.xdg.values()]:
            os.makedirs(path, mode=0o700)
            os.chmod(path, 0o700)
        self.recorder_dir = os.path.join(self.tmp, "bin")
        self.recorder_log = os.path.join(self.tmp, "commands.log")
        os.makedirs(self.recorder_dir)
        for command in RECORDED_COMMANDS:
            path = os.path.join(self.recorder_dir, command)
            with open(path, "w") as f:
                f.write("#!/bin/sh\n"
                        f"printf '%s\\n' \"$0 $*\" >> '{self.recorder_log}'\n"
                        "exit 0\n")
            os.chmod(path, 0o755)

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        try:
            self._spawn("xvfb", ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", self.screen,
                                 "-nolisten", "tcp", "-noreset"], pass_fds=(write_fd,))
            os.close(write_fd)
            number = _read_line_from_fd(read_fd, 10, "the display number of Xvfb")
        finally:
            os.close(read_fd)
        self.display = f":{number}"
        self.x11 = _X11(self.display)

    def _start_bus(self, kind):
        folder = os.path.join(self.tmp, f"bus-{kind}")
        os.makedirs(folder)
        read_fd, write_fd = os.pipe()
        try:
            # The session configuration for both: a system configuration would want a
            # message bus user and the machine's policies.
            self._spawn(f"dbus-{kind}", ["dbus-daemon", "--session", "--nofork",
                                         f"--address=unix:dir={folder}",
                                         f"--print-address={write_fd}"], pass_fds=(write_fd,))
            os.close(write_fd)
            address = _read_line_from_fd(read_fd, 10, f"the address of the {kind} bus")
        finally:
            os.close(read_fd)
        if folder not in address:
            raise HarnessError(f"the {kind} bus is not in our folder: {address}")
        return address

    def bus(self, kind):
        address = self.session_address if kind == "session" else self.system_address
        connection = dbus.bus.BusConnection(address)
        return connection

    def _wait_name(self, connection, name, timeout, what):
        def owned():
            try:
                return bool(connection.name_has_owner(name))
            except dbus.exceptions.DBusException:
                return False
        wait_for(owned, timeout, what=what)

    # ---- logind mock ------------------------------------------------------------------

    def _start_logind_mock(self):
        self.logind_log = os.path.join(self.tmp, "logind.jsonl")
        self.dbusmock_log = os.path.join(self.tmp, "dbusmock.log")
        env = self._helper_env()
        self._spawn("logind", ["/usr/bin/python3", "-m", "dbusmock", "--system", "--template",
                               "logind", "-l", self.dbusmock_log], env=env)
        system = self.bus("system")
        self._wait_name(system, LOGIND_NAME, 15, "the logind mock")
        manager = system.get_object(LOGIND_NAME, LOGIND_PATH)
        mock = dbus.Interface(manager, MOCK_IFACE)
        for method in ("PowerOff", "Reboot"):
            mock.AddMethod(LOGIND_MANAGER, method, "b", "", self._recording_code(method, "b"))
        for method in ("PowerOffWithFlags", "RebootWithFlags"):
            mock.AddMethod(LOGIND_MANAGER, method, "t", "", self._recording_code(method, "t"))
        mock.AddMethod(LOGIND_MANAGER, "TerminateSession", "s", "",
                       self._recording_code("TerminateSession", "s"))
        mock.AddMethod(LOGIND_MANAGER, "GetSessionByPID", "u", "o",
                       self._recording_code("GetSessionByPID", "u") +
                       f"ret = dbus.ObjectPath({AUTO_SESSION_PATH!r})\n")
        mock.AddSession("auto", "seat0", dbus.UInt32(os.getuid()), "tester", True)
        session = dbus.Interface(system.get_object(LOGIND_NAME, AUTO_SESSION_PATH), MOCK_IFACE)
        session.AddMethod(LOGIND_SESSION, "Terminate", "", "",
                          self._recording_code("Terminate", ""))
        system.close()

    def _recording_code(self, method, signature):
        """Python run inside the mock for each call: records the moment of arrival (the
        template's own log has whole seconds only), the types on the wire (the mock does
        not check them; logind does) and whether the call was refused."""
        wire_type = {"b": "Boolean", "t": "UInt64", "u": "UInt32", "s": "String", "": None}[signature]
        power = method in POWER_METHODS
        refuse = "None"
        if power and self.logind_variant == "refuse":
            refuse = ("('org.freedesktop.DBus.Error.AccessDenied', "
                      "'Permission denied (refused by the test)')")
        elif method.endswith("WithFlags") and self.logind_variant == "systemd252":
            refuse = ("('org.freedesktop.DBus.Error.InvalidArgs', 'Invalid flags parameter') "
                      "if int(m_args[0]) & ~0x3 else None")
        wire_check = ""
        if wire_type:
            wire_check = (f"if _refuse is None and _wire != [{wire_type!r}]:\n"
                          f"    _refuse = ('org.freedesktop.DBus.Error.InvalidArgs', "
                          f"'Invalid arguments: wrong signature')\n")
        return (
            "import json as _json, time as _time\n"
            "_t = _time.time()\n"
            "_wire = []\n"
            "for _a in m_args:\n"
            "    _wire.append(type(_a).__name__)\n"
            "_plain = []\n"
            "for _a in m_args:\n"
            "    _plain.append(bool(_a) if isinstance(_a, dbus.Boolean) else "
            "(int(_a) if isinstance(_a, (int,)) else str(_a)))\n"
            f"_refuse = {refuse}\n"
            f"{wire_check}"
            f"with open({self.logind_log!r}, 'a') as _f:\n"
            f"    _f.write(_json.dumps({{'t': _t, 'method': {method!r}, 'path': self.path, "
            "'wire': _wire, 'args': _plain, 'refused': _refuse and _refuse[0]}) + '\\n')\n"
            "if _refuse:\n"
            "    raise dbus.exceptions.DBusException(_refuse[1], name=_refuse[0])\n"
        )

    def logind_calls(self):
        """Every recorded call to the mock, in order of arrival."""
        if not os.path.exists(self.logind_log):
            return []
        with open(self.logind_log) as f:
            return [json.loads(line) for line in f if line.strip()]

    def power_calls(self):
        return [c for c in self.logind_calls() if c["method"] in POWER_METHODS]

    def accepted_power_calls(self):
        return [c for c in self.power_calls() if not c["refused"]]

    def wait_power_call(self, timeout):
        return wait_for(self.power_calls, timeout, what="a power request at the logind mock")

    def recorded_commands(self):
        if not os.path.exists(self.recorder_log):
            return ""
        with open(self.recorder_log) as f:
            return f.read()

    # ---- tray host and at-spi ---------------------------------------------------------

    def _start_trayer(self):
        self._spawn("trayer", ["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                               "request", "--height", "32", "--transparent", "false",
                               "--SetDockType", "true", "--SetPartialStrut", "false"])
        wait_for(lambda: self.x11.selection_owner("_NET_SYSTEM_TRAY_S0"), 10,
                 what="the tray selection _NET_SYSTEM_TRAY_S0")
        self.trayer_panel = wait_for(self._find_trayer_panel, 5, what="trayer's panel")

    def _find_trayer_panel(self):
        for wid, name, klass, _, _ in self.tree():
            if name == "panel" and "trayer" in klass:
                return wid
        return None

    def _start_a11y(self):
        self._spawn("at-spi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
                               "--a11y=1"])
        session = self.bus("session")
        # Polled, never asked for: GetAddress on an unowned name would activate another.
        self._wait_name(session, "org.a11y.Bus", 10, "the at-spi bus launcher")
        session.close()

    # ---- the program ------------------------------------------------------------------

    def program_env(self, extra=None):
        env = self._helper_env()
        for key in list(env):
            if key.startswith(("XDG_", "QT_", "KDE_", "GNOME_", "GTK_")):
                del env[key]
        env.update(self.xdg)
        env["HOME"] = self.home
        env["PATH"] = self.recorder_dir + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin")
        env["QT_QPA_PLATFORM"] = "xcb"
        env["DISPLAY"] = self.display
        if self.want_a11y:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["LC_ALL"] = "C.UTF-8"
        if extra:
            env.update(extra)
        return env

    def _check_private_buses(self, env):
        """The program can request a power-off: it must never see the machine's buses."""
        for key, address in (("DBUS_SYSTEM_BUS_ADDRESS", self.system_address),
                             ("DBUS_SESSION_BUS_ADDRESS", self.session_address)):
            value = env.get(key, "")
            match = re.search(r"unix:(?:dir|path|tmpdir)=([^,;]+)", value)
            if value != address or not match or not match.group(1).startswith(self.tmp):
                raise HarnessError(f"{key}={value!r} is not our private bus {address!r}")
        if "/run/dbus/system_bus_socket" in env["DBUS_SYSTEM_BUS_ADDRESS"]:
            raise HarnessError("refusing to start the program on the real system bus")

    def start_program(self, binary, extra_env=None):
        env = self.program_env(extra_env)
        self._check_private_buses(env)
        index = len(self.programs)
        out_path = os.path.join(self.tmp, f"orvanta-{index}.out")
        err_path = os.path.join(self.tmp, f"orvanta-{index}.err")
        with open(out_path, "wb") as out, open(err_path, "wb") as err:
            started = time.time()
            popen = subprocess.Popen([binary], env=env, cwd=self.home, stdin=subprocess.DEVNULL,
                                     stdout=out, stderr=err, start_new_session=True,
                                     preexec_fn=_die_with_parent)
        program = Program(self, popen, out_path, err_path, started)
        self.programs.append(program)
        return program

    # ---- X windows --------------------------------------------------------------------

    def tree(self, root="-root"):
        """(id, name, class, (x, y, w, h) absolute, depth) for every window under root;
        depth 0 are root's own children, listed from the top of the stack down."""
        args = ["xwininfo", "-tree"] + (["-root"] if root == "-root" else ["-id", str(root)])
        out = subprocess.run(args, env=self._helper_env(), capture_output=True, text=True,
                             timeout=10).stdout
        rows = []
        pattern = re.compile(r'^( +)(0x[0-9a-f]+) (?:"(.*)"|\(has no name\)): \((.*)\)\s+'
                             r'(\d+)x(\d+)[+-]-?\d+[+-]-?\d+\s+\+?(-?\d+)\+?(-?\d+)')
        for line in out.splitlines():
            m = pattern.match(line)
            if m:
                rows.append((int(m.group(2), 16), m.group(3) or "", m.group(4),
                             (int(m.group(7)), int(m.group(8)), int(m.group(5)), int(m.group(6))),
                             (len(m.group(1)) - 5) // 3))
        return rows

    def top_level(self):
        """Root's children, top of the stack first: (id, name, class, geometry)."""
        return [row[:4] for row in self.tree() if row[4] == 0]

    def xdotool(self, *args, timeout=10):
        result = subprocess.run(["xdotool", *map(str, args)], env=self._helper_env(),
                                capture_output=True, text=True, timeout=timeout)
        return result

    def window_by_name(self, pattern, pid=None):
        """Top-level windows whose caption matches pattern (xdotool search --name), of
        the process pid when given."""
        found = [int(w) for w in self.xdotool("search", "--name", pattern).stdout.split()]
        top = {row[0] for row in self.top_level()}
        found = [w for w in found if w in top]
        if pid is not None:
            found = [w for w in found if self.window_pid(w) == pid]
        return found

    def is_viewable(self, wid):
        out = subprocess.run(["xwininfo", "-id", str(wid)], env=self._helper_env(),
                             capture_output=True, text=True, timeout=10).stdout
        return "Map State: IsViewable" in out

    def window_pid(self, wid):
        out = subprocess.run(["xprop", "-id", str(wid), "_NET_WM_PID"], env=self._helper_env(),
                             capture_output=True, text=True, timeout=10).stdout
        m = re.search(r"= (\d+)", out)
        return int(m.group(1)) if m else None

    def tray_icons(self):
        """Windows docked in trayer's panel that belong to a client (not trayer's own
        sockets): (id, (x, y, w, h)) for each."""
        if not self.trayer_panel:
            return []
        icons = []
        for wid, name, klass, geometry, _ in self.tree(self.trayer_panel):
            if "trayer" in klass or geometry[2] <= 1 or geometry[3] <= 1:
                continue
            if self.window_pid(wid) is not None or klass:
                icons.append((wid, geometry))
        return icons

    def tray_icons_of(self, program):
        return [icon for icon in self.tray_icons() if self.window_pid(icon[0]) == program.pid]

    # ---- real input -------------------------------------------------------------------

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell").stdout
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values.get("X", -1)), int(values.get("Y", -1))

    def move_pointer(self, x, y):
        # Not "mousemove --sync": it waits for a motion that never comes when the pointer
        # is already there.
        self.xdotool("mousemove", int(x), int(y))
        wait_for(lambda: self.pointer() == (int(x), int(y)), 5, what=f"the pointer at {x},{y}")

    def click(self, x, y, button=1, repeat=1):
        """A real click (XTest, through xdotool)."""
        self.move_pointer(x, y)
        if repeat > 1:
            self.xdotool("click", "--repeat", repeat, "--delay", 80, button)
        else:
            self.xdotool("click", button)

    def timed_click(self, x, y, button=1):
        """A real click whose moment matters (arming): the pointer moved by xdotool, the
        button pressed and released through XTest from here. Returns the moment the X
        server took the release, which is what the program acts on."""
        self.move_pointer(x, y)
        return self.x11.timed_click(button)

    def key(self, *keys):
        return self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        return self.xdotool("type", "--delay", 30, text)

    def focus_window(self, wid):
        # No window manager: activation must be asked for directly.
        return self.xdotool("windowfocus", "--sync", wid)

    def screenshot(self, name):
        path = os.path.join(os.environ.get("ORVANTA_E2E_SHOTS", self.tmp), f"{name}.png")
        subprocess.run(["import", "-window", "root", path], env=self._helper_env(),
                       capture_output=True, timeout=20)
        return path
