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


def _selftest():
    display = os.environ.get("DISPLAY")
    watcher = MapWatcher(display)
    print(watcher.next_map(time.monotonic() + 5))
    watcher.close()


if __name__ == "__main__":
    _selftest()
