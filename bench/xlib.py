"""The few Xlib calls the benchmark times itself: the moment a top-level window is mapped
(from the server's MapNotify, not from polling), and a picture of a window to tell whether
it is still changing."""

import ctypes
import hashlib
import os
import select
import time

_lib = ctypes.CDLL("libX11.so.6")
_lib.XInitThreads.restype = ctypes.c_int
_lib.XOpenDisplay.restype = ctypes.c_void_p
_lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
_lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
_lib.XDefaultRootWindow.restype = ctypes.c_ulong
_lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_lib.XPending.argtypes = [ctypes.c_void_p]
_lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_lib.XConnectionNumber.argtypes = [ctypes.c_void_p]
_lib.XGetImage.restype = ctypes.c_void_p
_lib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                           ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_lib.XFree.argtypes = [ctypes.c_void_p]


class _WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


_lib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                      ctypes.POINTER(_WindowAttributes)]

# Two lanes of the benchmark talk to the server from two threads, each on its own
# connection.
_lib.XInitThreads()

_MAP_NOTIFY = 19
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_Z_PIXMAP = 2
_ALL_PLANES = 0xFFFFFFFFFFFFFFFF


class XError(Exception):
    pass


def _open(display):
    dpy = _lib.XOpenDisplay(display.encode())
    if not dpy:
        raise XError(f"cannot open display {display}")
    return dpy


class MapWatcher:
    """Listens on the root window for top-level windows being mapped. Open it before the
    program starts; every MapNotify is stamped with time.time() as soon as it is read."""

    def __init__(self, display):
        self.dpy = _open(display)
        root = _lib.XDefaultRootWindow(self.dpy)
        _lib.XSelectInput(self.dpy, root, _SUBSTRUCTURE_NOTIFY_MASK)
        _lib.XSync(self.dpy, 0)
        self.fd = _lib.XConnectionNumber(self.dpy)
        self._event = ctypes.create_string_buffer(192)  # sizeof(XEvent) on 64-bit

    def next_map(self, deadline):
        """(window id, moment) of the next window mapped on the root, or None at the
        deadline (a time.monotonic() value). Override-redirect windows (menus, tool tips)
        are skipped."""
        while True:
            while _lib.XPending(self.dpy):
                _lib.XNextEvent(self.dpy, self._event)
                moment = time.time()
                kind = ctypes.c_int.from_buffer(self._event, 0).value
                if kind != _MAP_NOTIFY:
                    continue
                # XMapEvent: type, serial, send_event, display, event, window,
                # override_redirect.
                window = ctypes.c_ulong.from_buffer(self._event, 40).value
                override = ctypes.c_int.from_buffer(self._event, 48).value
                if not override:
                    return window, moment
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], min(left, 0.5))

    def close(self):
        if self.dpy:
            _lib.XCloseDisplay(self.dpy)
            self.dpy = None


def window_size(display, wid):
    dpy = _open(display)
    try:
        attributes = _WindowAttributes()
        if not _lib.XGetWindowAttributes(dpy, wid, ctypes.byref(attributes)):
            return None
        return attributes.width, attributes.height
    finally:
        _lib.XCloseDisplay(dpy)


def window_digest(display, wid):
    """A digest of what the window shows now (its pixels), or None if it is gone."""
    dpy = _open(display)
    try:
        attributes = _WindowAttributes()
        if not _lib.XGetWindowAttributes(dpy, wid, ctypes.byref(attributes)):
            return None
        image = _lib.XGetImage(dpy, wid, 0, 0, attributes.width, attributes.height, _ALL_PLANES,
                               _Z_PIXMAP)
        if not image:
            return None
        # XImage: width, height, xoffset, format, data, byte_order, bitmap_unit,
        # bitmap_bit_order, bitmap_pad, depth, bytes_per_line.
        height = ctypes.c_int.from_address(image + 4).value
        data = ctypes.c_void_p.from_address(image + 16).value
        bytes_per_line = ctypes.c_int.from_address(image + 44).value
        digest = hashlib.sha1(ctypes.string_at(data, bytes_per_line * height)).hexdigest()
        _lib.XFree(data)
        _lib.XFree(image)
        return digest
    finally:
        _lib.XCloseDisplay(dpy)


_xi = ctypes.CDLL("libXi.so.6")


class _XIEventMask(ctypes.Structure):
    _fields_ = [("deviceid", ctypes.c_int), ("mask_len", ctypes.c_int),
                ("mask", ctypes.POINTER(ctypes.c_ubyte))]


_xi.XIQueryVersion.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                               ctypes.POINTER(ctypes.c_int)]
_xi.XISelectEvents.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(_XIEventMask),
                               ctypes.c_int]
_lib.XQueryExtension.argtypes = [ctypes.c_void_p, ctypes.c_char_p] + \
    [ctypes.POINTER(ctypes.c_int)] * 3
_lib.XGetEventData.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_lib.XFreeEventData.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_lib.XCreateSimpleWindow.restype = ctypes.c_ulong
_lib.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong,
                                     ctypes.c_ulong]
_lib.XInternAtom.restype = ctypes.c_ulong
_lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_lib.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                 ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
_lib.XFlush.argtypes = [ctypes.c_void_p]

_GENERIC_EVENT = 35
_PROPERTY_NOTIFY = 28
_PROPERTY_CHANGE_MASK = 1 << 22
_XI_RAW_BUTTON_RELEASE = 16
_XI_ALL_MASTER_DEVICES = 1
_XA_INTEGER = 19


class ReleaseClock:
    """When the X server took a button release, on our wall clock. The server stamps every
    input event with its own millisecond clock; raw XInput 2 events reach every client that
    asks, whoever holds the pointer grab. The server clock is tied to time.time() by a
    property change on a window of our own, whose PropertyNotify carries the server's
    stamp: the tightest of a few round trips bounds the error."""

    def __init__(self, display):
        self.dpy = _open(display)
        try:
            opcode, first_event, first_error = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
            if not _lib.XQueryExtension(self.dpy, b"XInputExtension", ctypes.byref(opcode),
                                        ctypes.byref(first_event), ctypes.byref(first_error)):
                raise XError("no XInput extension")
            self.opcode = opcode.value
            # From 2.1 on, raw events come whoever holds the grab.
            major, minor = ctypes.c_int(2), ctypes.c_int(2)
            if _xi.XIQueryVersion(self.dpy, ctypes.byref(major), ctypes.byref(minor)) != 0:
                raise XError("no XInput 2")
            root = _lib.XDefaultRootWindow(self.dpy)
            bits = (ctypes.c_ubyte * 4)()
            bits[_XI_RAW_BUTTON_RELEASE >> 3] |= 1 << (_XI_RAW_BUTTON_RELEASE & 7)
            mask = _XIEventMask(_XI_ALL_MASTER_DEVICES, 4, bits)
            _xi.XISelectEvents(self.dpy, root, ctypes.byref(mask), 1)
            self.window = _lib.XCreateSimpleWindow(self.dpy, root, -10, -10, 1, 1, 0, 0, 0)
            _lib.XSelectInput(self.dpy, self.window, _PROPERTY_CHANGE_MASK)
            self.atom = _lib.XInternAtom(self.dpy, b"_ORVANTA_BENCH_CLOCK", 0)
            _lib.XSync(self.dpy, 0)
            self.fd = _lib.XConnectionNumber(self.dpy)
            self._event = ctypes.create_string_buffer(192)
            self.releases = []
        except BaseException:
            self.close()
            raise

    def _pump(self, deadline, want):
        """Reads events until want(kind, event) returns a value, or the deadline."""
        while True:
            while _lib.XPending(self.dpy):
                _lib.XNextEvent(self.dpy, self._event)
                kind = ctypes.c_int.from_buffer(self._event, 0).value
                if kind == _GENERIC_EVENT:
                    self._raw(kind)
                value = want(kind)
                if value is not None:
                    return value
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], min(left, 0.2))

    def _raw(self, kind):
        # XGenericEventCookie: type, serial, send_event, display, extension, evtype,
        # cookie, data. XIRawEvent: type, serial, send_event, display, extension, evtype,
        # time.
        extension = ctypes.c_int.from_buffer(self._event, 32).value
        if extension != self.opcode:
            return
        if not _lib.XGetEventData(self.dpy, self._event):
            return
        try:
            evtype = ctypes.c_int.from_buffer(self._event, 36).value
            data = ctypes.c_void_p.from_buffer(self._event, 48).value
            if evtype == _XI_RAW_BUTTON_RELEASE and data:
                self.releases.append(ctypes.c_ulong.from_address(data + 40).value)
        finally:
            _lib.XFreeEventData(self.dpy, self._event)

    def _want_release(self, kind):
        return self.releases.pop(0) if self.releases else None

    def offset(self, tries=7):
        """(wall ms − server ms, uncertainty ms) from the tightest of a few round trips."""
        best = None
        value = ctypes.c_long(0)
        for _ in range(tries):
            before = time.time()
            _lib.XChangeProperty(self.dpy, self.window, self.atom, _XA_INTEGER, 32, 0,
                                 ctypes.byref(value), 1)
            _lib.XFlush(self.dpy)

            def notified(kind):
                # XPropertyEvent: type, serial, send_event, display, window, atom, time.
                if kind != _PROPERTY_NOTIFY:
                    return None
                return ctypes.c_ulong.from_buffer(self._event, 48).value

            server = self._pump(time.monotonic() + 5, notified)
            after = time.time()
            if server is None:
                raise XError("no PropertyNotify from the server")
            width = (after - before) * 1000
            if best is None or width < best[1]:
                # The stamp is whole milliseconds, cut down: the server's moment lies in
                # [stamp, stamp + 1) ms.
                best = ((before + after) * 500 - (server + 0.5), width / 2 + 0.5)
        return best

    def next_release(self, deadline):
        """The server's stamp (ms) of the next button release, or None at the deadline."""
        return self._pump(deadline, self._want_release)

    def close(self):
        if self.dpy:
            _lib.XCloseDisplay(self.dpy)
            self.dpy = None


def _selftest():
    display = os.environ.get("DISPLAY")
    watcher = MapWatcher(display)
    print(watcher.next_map(time.monotonic() + 5))
    watcher.close()


if __name__ == "__main__":
    _selftest()
