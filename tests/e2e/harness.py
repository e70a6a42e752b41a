"""A private desktop for the real binary (bench/ too): Xvfb, private buses with dbusmock's
logind, trayer, the at-spi bus, an empty HOME, recorders of the power commands on PATH."""

import atexit
import contextlib
import ctypes
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import dbus
import pyatspi  # binds to a bus at its first use, once a desktop runs
import Xlib.threaded  # noqa: F401 -- the benchmark asks from two threads
from Xlib import X, display as xdisplay, error as xerror
from Xlib.ext import xtest

NOTIFICATIONS = "org.freedesktop.Notifications"
LOGIND, LOGIND_PATH = "org.freedesktop.login1", "/org/freedesktop/login1"
MOCK = "org.freedesktop.DBus.Mock"


def wait_for(predicate, timeout, interval=0.02, what="condition"):
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
    return value


def _die_with_parent():
    # A child outliving a killed test would hold a display or a bus for good.
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class Desktop:
    def __init__(self, logind="accept", a11y=True, wayland=False, can=None):
        """logind: "accept", "refuse" (AccessDenied) or "slow" (2 s); can: Can* answers other
        than "yes" ({"CanHibernate": "na"}); wayland: a headless Weston, no tray."""
        self.refuse, self.a11y, self.wayland = logind == "refuse", a11y, wayland
        self.can = can or {}
        self.delay = 2 if logind == "slow" else 0
        self.tmp = tempfile.mkdtemp(prefix="orvanta-e2e-")
        self.procs, self.programs, self.x, self.display = [], [], None, None
        self.session_address = self.system_address = None
        atexit.register(self.stop)  # also after a failed start
        # A runner's timeout sends SIGTERM: leave through the cleanup, not around it.
        if signal.getsignal(signal.SIGTERM) is signal.SIG_DFL:
            signal.signal(signal.SIGTERM, lambda signum, _: sys.exit(128 + signum))

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, kind, value, tb):
        if kind is not None:
            for p in self.programs:
                print(f"--- pid {p.pid}, exit {p.poll()}, output:\n{self.output(p.log)[-3000:]}")
            print(f"--- logind: {self.power_calls()}\n--- commands: {self.recorded_commands()!r}")
        self.stop()

    def start(self):
        # Children inherit this: never the machine's buses or desktop, nothing until ours exist.
        for key in [k for k in os.environ if k.startswith((
                "AT_SPI", "DESKTOP", "SESSION_MANAGER", "WAYLAND", "XDG_SESSION", "XDG_CURRENT"))]:
            del os.environ[key]
        os.environ.update(DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent",
                          DBUS_SYSTEM_BUS_ADDRESS="unix:path=/nonexistent", DISPLAY=":nonexistent")
        self.home, self.bin = os.path.join(self.tmp, "home"), os.path.join(self.tmp, "bin")
        self.xdg = {f"XDG_{k.upper()}": os.path.join(self.tmp, k)
                    for k in ("config_home", "data_home", "cache_home", "runtime_dir")}
        for path in [self.home, self.bin, *self.xdg.values()]:
            os.makedirs(path, mode=0o700)
        for command in ("shutdown", "poweroff", "reboot", "halt", "systemctl", "loginctl"):
            with open(os.path.join(self.bin, command), "w") as f:
                f.write(f"#!/bin/sh\nprintf '%s\\n' \"$0 $*\" >> {self.tmp}/commands.log\n")
            os.chmod(f.name, 0o755)
        if self.wayland:
            self._start_weston()
        else:
            self.start_x("1280x1024x24")
        for kind in ("session", "system"):
            folder = os.path.join(self.tmp, f"bus-{kind}")
            os.makedirs(folder)
            # The session configuration for both: the system one wants a bus user.
            address = self._spawn_reporting(f"dbus-{kind}", [
                "dbus-daemon", "--session", "--nofork", f"--address=unix:dir={folder}",
                "--print-address={}"])
            if not address.startswith(f"unix:path={folder}/"):
                raise RuntimeError(f"the {kind} bus is not in our folder: {address}")
            setattr(self, f"{kind}_address", address)
            os.environ[f"DBUS_{kind.upper()}_BUS_ADDRESS"] = address
        self._start_logind_mock()
        if self.a11y:
            self._spawn("at-spi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
                                   "--a11y=1"])
            # Polled, never asked for: GetAddress on an unowned name would start another.
            self._wait_name(self.session_address, "org.a11y.Bus").close()
        self.tray = None if self.wayland else self.start_tray()

    def start_x(self, screen):
        self.display = ":" + self._spawn_reporting("xvfb", [
            "Xvfb", "-screen", "0", screen, "-nolisten", "tcp", "-noreset", "-displayfd", "{}"])
        self.x, os.environ["DISPLAY"] = xdisplay.Display(self.display), self.display

    def _start_weston(self):
        del os.environ["DISPLAY"]  # the at-spi bus too sees no X server
        os.environ.update(XDG_RUNTIME_DIR=self.xdg["XDG_RUNTIME_DIR"], WAYLAND_DISPLAY="wl-e2e")
        self._spawn("weston", ["weston", "--backend=headless-backend.so", "--socket=wl-e2e",
                               "--no-config", "--idle-time=0", "--debug"])  # for on_screen()
        socket = os.path.join(self.xdg["XDG_RUNTIME_DIR"], "wl-e2e")
        wait_for(lambda: os.path.exists(socket), 10, what="weston")
        # Qt 6.4's Wayland client and Mesa's EGL leak at exit: suppressed by whole stacks.
        with open(os.path.join(self.tmp, "lsan.supp"), "w") as f:
            f.write("leak:libwayland-client.so\nleak:libEGL_mesa.so\n")
        os.environ["LSAN_OPTIONS"] = (f"{os.environ.get('LSAN_OPTIONS', '')}:suppressions="
                                      f"{f.name}:fast_unwind_on_malloc=0")

    def on_screen(self, title="Orvanta v1.2"):
        # Asked of Weston: a Wayland client never learns it was minimized.
        return f"top-level window '{title}'" in subprocess.run(
            ["weston-debug", "scene-graph"], capture_output=True, text=True, timeout=10).stdout

    def start_tray(self):
        tray = self._spawn("trayer", ["trayer", "--edge", "bottom", "--align", "right", "--height",
                                      "32", "--widthtype", "request", "--SetDockType", "true"])
        atom = self.x.intern_atom("_NET_SYSTEM_TRAY_S0")
        wait_for(lambda: self.x.get_selection_owner(atom) != X.NONE, 10, what="trayer")
        return tray

    def stop(self):
        if self.x is not None:
            self.x.close()
            self.x = None
        for popen in self.programs + self.procs[::-1]:
            self.stop_popen(popen)
        self.programs, self.procs = [], []
        shutil.rmtree(self.tmp, ignore_errors=True)

    @staticmethod
    def stop_popen(popen):
        # The whole group: helpers a child spawned (the at-spi bus) go with it.
        for sig in (signal.SIGTERM, signal.SIGKILL):
            with contextlib.suppress(ProcessLookupError):
                os.killpg(popen.pid, sig)
            with contextlib.suppress(subprocess.TimeoutExpired):
                return popen.wait(timeout=2)

    def _spawn(self, name, argv, env=None, **kwargs):
        with open(os.path.join(self.tmp, f"{name}.log"), "ab") as log:
            popen = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                                     stdout=log, stderr=log, start_new_session=True,
                                     preexec_fn=_die_with_parent, **kwargs)
        popen.log = log.name
        self.procs.append(popen)
        return popen

    def _spawn_reporting(self, name, argv):
        # The server writes where it listens to the descriptor {} of argv.
        read_fd, write_fd = os.pipe()
        self._spawn(name, [a.format(write_fd) for a in argv], pass_fds=(write_fd,))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:  # closed by the server, or by its end
            if not (line := pipe.readline().strip()):
                raise RuntimeError(f"{name} did not start: see {self.tmp}/{name}.log")
        return line

    @staticmethod
    def _wait_name(address, name):
        bus = dbus.bus.BusConnection(address)
        wait_for(lambda: bus.name_has_owner(name), 15, what=name)
        return bus

    def _start_logind_mock(self):
        self._spawn("logind", ["/usr/bin/python3", "-m", "dbusmock", "--system", "-t", "logind"])
        bus = self._wait_name(self.system_address, LOGIND)
        mock = dbus.Interface(bus.get_object(LOGIND, LOGIND_PATH), MOCK)
        for method, signature in (("PowerOff", "b"), ("Reboot", "b"), ("PowerOffWithFlags", "t"),
                                  ("RebootWithFlags", "t"), ("Suspend", "b"),
                                  ("SuspendWithFlags", "t"), ("Hibernate", "b"),
                                  ("HibernateWithFlags", "t")):
            mock.AddMethod(f"{LOGIND}.Manager", method, signature, "", self._recorder(method))
        # The questions before arming, their arrival recorded apart from the requests.
        for what in ("PowerOff", "Reboot", "Suspend", "Hibernate"):
            answer = self.can.get(f"Can{what}", "yes")
            mock.AddMethod(f"{LOGIND}.Manager", f"Can{what}", "", "s",
                           self._recorder(f"Can{what}", "questions") + f"ret = {answer!r}\n")
        # Log off ends the caller's own session; a lock asks for it by our PID.
        mock.AddSession("auto", "seat0", dbus.UInt32(os.getuid()), "tester", True)
        mock.AddMethod(f"{LOGIND}.Manager", "GetSessionByPID", "u", "o",
                       f"ret = dbus.ObjectPath('{LOGIND_PATH}/session/auto')")
        session = dbus.Interface(bus.get_object(LOGIND, f"{LOGIND_PATH}/session/auto"), MOCK)
        session.AddMethod(f"{LOGIND}.Session", "Terminate", "", "", self._recorder("Terminate"))
        bus.close()

    def start_notifications(self):  # a server offering actions; returns its mock
        self._spawn("notifications", ["/usr/bin/python3", "-m", "dbusmock", "-t",
                                      "notification_daemon", "-p",
                                      '{"capabilities": "body actions"}'])
        bus = self._wait_name(self.session_address, NOTIFICATIONS)
        return dbus.Interface(bus.get_object(NOTIFICATIONS, "/org/freedesktop/Notifications"),
                              MOCK)

    def _recorder(self, method, log="logind"):
        """The mock's code per call: the arrival, the types on the wire, a refusal if asked."""
        if log != "logind":
            return (f"import time as _t\nwith open('{self.tmp}/{log}.log', 'a') as _f:\n"
                    f"    _f.write(f'{{_t.time()}} {method}\\n')\n")
        return (
            "import json as _j, time as _t\n_now = _t.time()\n"
            "_wire = [type(a).__name__ for a in m_args]\n"
            f"_err = 'org.freedesktop.DBus.Error.AccessDenied' if {self.refuse} else None\n"
            f"with open('{self.tmp}/logind.jsonl', 'a') as _f:\n"
            f"    _f.write(_j.dumps({{'t': _now, 'method': {method!r}, 'wire': _wire, 'args': "
            "[a if isinstance(a, int) else str(a) for a in m_args], 'refused': _err}) + '\\n')\n"
            f"_t.sleep({self.delay})\n"
            "if _err:\n    raise dbus.exceptions.DBusException('refused by the test', name=_err)\n")

    def power_calls(self):
        return [json.loads(line) for line in self.output(f"{self.tmp}/logind.jsonl").splitlines()]

    def questions(self):  # [(arrival, "CanSuspend"), ...]
        return [(float(t), m) for t, m in
                (line.split() for line in self.output(f"{self.tmp}/questions.log").splitlines())]

    def recorded_commands(self):
        return self.output(f"{self.tmp}/commands.log")

    @staticmethod
    def output(path):
        return open(path, errors="replace").read() if os.path.exists(path) else ""

    def start_program(self, binary, extra_env=None, args=()):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("XDG_", "QT_", "KDE_", "GNOME_", "GTK_"))}
        env.update(self.xdg, HOME=self.home, LC_ALL="C.UTF-8",
                   QT_QPA_PLATFORM="wayland" if self.wayland else "xcb",
                   PATH=self.bin + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"))
        env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"} if self.a11y else {})
        env.update(extra_env or {})
        # It can power off: it must see our buses and nothing else.
        for key in ("DBUS_SYSTEM_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS"):
            if not env[key].startswith(f"unix:path={self.tmp}/"):
                raise RuntimeError(f"{key}={env[key]!r} is not a private bus of ours")
        program = self._spawn(f"orvanta-{len(self.programs)}", [binary, *args], env, cwd=self.home)
        self.procs.remove(program)  # stopped first, before the desktop it needs
        self.programs.append(program)
        return program

    def launch(self, binary):
        """The program, its main window, that window's accessible, its docked icon."""
        program = self.start_program(binary)
        wid = self.main_window(program)
        frame = find(accessible_app(program.pid), "frame")
        return program, wid, frame, wait_for(lambda: self.tray_icons(program.pid), 10, 0.05,
                                             "the icon docked")[0]

    def ask(self, wid, question, default=None):
        try:  # windows come and go while we look
            return question(self.x.create_resource_object("window", wid))
        except (xerror.BadWindow, xerror.BadDrawable, xerror.BadMatch):
            return default

    def pid_of(self, wid):
        atom = self.x.intern_atom("_NET_WM_PID")
        prop = self.ask(wid, lambda w: w.get_full_property(atom, X.AnyPropertyType))
        return prop.value[0] if prop else None

    @contextlib.contextmanager
    def maps(self):  # the list it gives gets every window mapped meanwhile
        root, mapped = self.x.screen().root, []
        root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.x.sync()
        yield mapped
        root.change_attributes(event_mask=X.NoEventMask)
        self.x.sync()  # the events of all the server has done so far are here
        while self.x.pending_events():
            event = self.x.next_event()
            mapped += [event.window.id] if event.type == X.MapNotify else []

    def viewable(self, wid):
        return self.ask(wid, lambda w: w.get_attributes().map_state == X.IsViewable, False)

    def geometry(self, wid):
        def ask(w):  # (x, y, width, height) on the screen
            g, at = w.get_geometry(), self.x.screen().root.translate_coords(w, 0, 0)
            return at.x, at.y, g.width, g.height
        return self.ask(wid, ask)

    def stacking(self, menus=False):  # mapped top-level windows, or menus, the topmost first
        def shown(w):
            a = w.get_attributes()
            return a.map_state == X.IsViewable and bool(a.override_redirect) == menus
        return [w.id for w in self.x.screen().root.query_tree().children[::-1]
                if self.ask(w.id, shown)]

    def windows(self, pid, caption="Orvanta v1.2"):
        return [w for w in self.stacking() if self.pid_of(w) == pid
                and self.ask(w, lambda w: w.get_wm_name()) == caption]

    def main_window(self, program, timeout=10):
        return wait_for(lambda: self.windows(program.pid), timeout, 0.05, "the main window")[0]

    def inside(self, wids):  # every window inside those
        found, stack = [], list(wids)
        while stack:
            kids = self.ask(stack.pop(), lambda w: [c.id for c in w.query_tree().children], [])
            stack, found = stack + kids, found + kids
        return found

    def tray_icons(self, pid):  # windows of pid docked inside others: (id, geometry)
        tops = [w.id for w in self.x.screen().root.query_tree().children]
        return [(k, box) for k in self.inside(tops) if self.pid_of(k) == pid and self.viewable(k)
                and (box := self.geometry(k)) and min(box[2:]) > 1]

    def move(self, x, y):
        xtest.fake_input(self.x, X.MotionNotify, x=int(x), y=int(y))
        self.x.sync()  # the server has moved the pointer once the round trip is back

    def click(self, x, y, count=1):
        self.move(x, y)
        for i in range(count):
            time.sleep(0.08 if i else 0)
            self.timed_release()

    def timed_release(self, button=1):
        """Press, release: the wall-clock moments around the release, which the program acts on."""
        xtest.fake_input(self.x, X.ButtonPress, button)
        self.x.sync()
        before = time.time()
        xtest.fake_input(self.x, X.ButtonRelease, button)
        self.x.sync()
        return before, time.time()

    def focus(self, wid=None):  # gives wid the keyboard focus, or tells who has it
        if wid is None:
            return getattr(self.x.get_input_focus().focus, "id", None)
        self.ask(wid, lambda w: w.set_input_focus(X.RevertToParent, X.CurrentTime))
        self.x.sync()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                              timeout=10).stdout


def _fresh(acc):
    acc.clear_cache()  # nothing here runs a main loop, so the cache never hears of changes
    return acc


def accessible_app(pid, timeout=10):
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # the application of a process that has just died
                continue
    return wait_for(find, timeout, 0.05, f"the accessible application of pid {pid}")


def find_all(root, role, name=None):
    found, stack = [], [root]
    while stack:
        acc = _fresh(stack.pop())
        found += [acc] if acc.getRoleName() == role and name in (None, acc.name) else []
        stack += [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c]
    return found


def find(root, role, name=None, timeout=5):
    return wait_for(lambda: find_all(root, role, name), timeout, 0.05, f"{role} {name!r}")[0]


def state(acc, name):
    return _fresh(acc).getState().contains(getattr(pyatspi, f"STATE_{name.upper()}"))


def text(acc):
    return _fresh(acc).queryText().getText(0, -1)


def point(acc, left=None):  # the middle, or left pixels in from the left edge
    box = _fresh(acc).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + (box.width // 2 if left is None else left), box.y + box.height // 2
