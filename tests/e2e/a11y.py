"""Reading and driving the program's window over AT-SPI (python3-pyatspi).

Import after harness.Desktop has started: libatspi finds the at-spi bus through the
DISPLAY and DBUS_SESSION_BUS_ADDRESS of this process when it is first used.
"""

import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

from harness import HarnessError, wait_for  # noqa: E402

ROLE_NAMES = {
    pyatspi.ROLE_PUSH_BUTTON: "push button",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_TEXT: "text",
    pyatspi.ROLE_ENTRY: "entry",
    pyatspi.ROLE_SPIN_BUTTON: "spin button",
}


def _fresh(acc):
    # Nothing here runs a main loop, so libatspi never sees the change events that keep
    # its cache right: ask the program every time.
    try:
        acc.clear_cache()
    except Exception:
        pass
    return acc


def application(pid, timeout=10):
    """The accessible application of the process pid."""
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
            except Exception:
                continue
        return None
    return wait_for(find, timeout, interval=0.05, what=f"the accessible application of pid {pid}")


def walk(root):
    """Every accessible under root, depth first, root included."""
    stack = [root]
    while stack:
        acc = stack.pop()
        if acc is None:
            continue
        yield acc
        try:
            children = [acc.getChildAtIndex(i) for i in range(_fresh(acc).childCount)]
        except Exception:
            children = []
        stack.extend(reversed(children))


def find_all(root, role=None, name=None):
    found = []
    for acc in walk(root):
        try:
            if role is not None and acc.getRole() != role:
                continue
            if name is not None and acc.name != name:
                continue
        except Exception:
            continue
        found.append(acc)
    return found


def find(root, role=None, name=None, timeout=5):
    """The one accessible under root with this role and name (waits for it to appear)."""
    def one():
        matches = find_all(root, role, name)
        if len(matches) > 1:
            raise HarnessError(f"{len(matches)} accessibles with role {role} and name {name!r}")
        return matches[0] if matches else None
    return wait_for(one, timeout, interval=0.05, what=f"accessible {name!r} (role {role})")


def states(acc):
    return _fresh(acc).getState()


def has_state(acc, state):
    return states(acc).contains(state)


def checked(acc):
    return has_state(acc, pyatspi.STATE_CHECKED)


def enabled(acc):
    st = states(acc)
    return st.contains(pyatspi.STATE_ENABLED) and st.contains(pyatspi.STATE_SENSITIVE)


def focused(acc):
    return has_state(acc, pyatspi.STATE_FOCUSED)


def text(acc):
    t = _fresh(acc).queryText()
    return t.getText(0, -1)


def actions(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def do_action(acc, name):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == name.lower():
            return action.doAction(i)
    raise HarnessError(f"{acc.name!r} has no action {name!r}: {actions(acc)}")


def extents(acc):
    """(x, y, width, height) on the screen."""
    box = _fresh(acc).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def centre(acc):
    x, y, w, h = extents(acc)
    return x + w // 2, y + h // 2


def indicator(acc):
    """Where to click a radio button or check box: on its indicator at the left, since
    the caption may not fill the control's width."""
    x, y, w, h = extents(acc)
    return x + min(8, w // 2), y + h // 2


def role_name(acc):
    return ROLE_NAMES.get(acc.getRole(), acc.getRoleName())


class Window:
    """The main window of one run, found by the process id."""

    def __init__(self, pid, timeout=10):
        self.pid = pid
        self.app = application(pid, timeout)
        self.frame = find(self.app, pyatspi.ROLE_FRAME, timeout=timeout)
        self._found = {}

    def _control(self, role, name):
        # A walk of the whole window costs tens of milliseconds; the controls live as
        # long as the window, so each is looked up once.
        key = (role, name)
        if key not in self._found:
            self._found[key] = find(self.frame, role, name)
        return self._found[key]

    def radio(self, name):
        return self._control(pyatspi.ROLE_RADIO_BUTTON, name)

    def check(self, name="Force (no warnings by other programs, etc.)"):
        return self._control(pyatspi.ROLE_CHECK_BOX, name)

    def button(self, name):
        """A push button by its accessible name; Start keeps its name "Start" only while
        idle, so look it up before arming and keep it."""
        return self._control(pyatspi.ROLE_PUSH_BUTTON, name)

    def field(self, name):
        """A time field by its accessible name: "Countdown seconds", "Time of day hours"."""
        return self._control(pyatspi.ROLE_TEXT, name)

    def spinner(self, name):
        return self._control(pyatspi.ROLE_SPIN_BUTTON, name)

    def row(self, mode):
        """The three texts of a row ("Countdown" or "Time of day"), hours first."""
        return [text(self.field(f"{mode} {unit}")) for unit in ("hours", "minutes", "seconds")]

    def menu_title(self, menu):
        key = ("menu", menu)
        if key not in self._found:
            bar = find(self.frame, pyatspi.ROLE_MENU_BAR)
            self._found[key] = find(bar, pyatspi.ROLE_MENU_ITEM, menu)
        return self._found[key]

    def menu_item(self, menu, item):
        key = ("menu", menu, item)
        if key not in self._found:
            self._found[key] = find(self.menu_title(menu), pyatspi.ROLE_MENU_ITEM, item)
        return self._found[key]


class Events:
    """AT-SPI events as a screen reader gets them. Needed where the tree does not lead:
    Qt leaves pop-up menus out of the application's children, so a tray menu is found
    through the event that shows it."""

    def __init__(self, *kinds):
        self.kinds = kinds
        self.seen = []
        pyatspi.Registry.registerEventListener(self._on_event, *kinds)

    def _on_event(self, event):
        self.seen.append((time.time(), event.type, event.source, event.detail1))

    def pump(self):
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def wait(self, predicate, timeout, what):
        """The first recorded (time, type, source, detail1) that predicate accepts."""
        def match():
            self.pump()
            for event in self.seen:
                try:
                    if predicate(event):
                        return event
                except Exception:
                    continue
            return None
        return wait_for(match, timeout, interval=0.02, what=what)

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._on_event, *self.kinds)


def wait_showing(acc, timeout=5):
    return wait_for(lambda: has_state(acc, pyatspi.STATE_SHOWING), timeout, interval=0.02,
                    what=f"{acc.name!r} showing")
