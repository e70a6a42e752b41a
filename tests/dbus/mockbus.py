"""Shared by the mock scripts: their rules, a mock per service, and each call printed as
"Member signature args" on arrival, where alone the wire signature is seen (no property reads)."""
import sys

import dbus
import dbus.lowlevel as low
import dbus.mainloop.glib
import dbus.service
import dbusmock
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
rules = dict((rule.split('=', 1) + [''])[:2] for rule in sys.argv[3:])


def shown(arg):
    return f'{type(arg).__name__}({arg})' if getattr(arg, 'variant_level', 0) else str(arg)


def logged(address, answer=lambda conn, msg: False):  # answer() True: answered it itself
    conn = dbus.bus.BusConnection(address)

    def filter_call(_, msg):
        if not isinstance(msg, low.MethodCallMessage) or msg.get_member() in ('Get', 'GetAll'):
            return low.HANDLER_RESULT_NOT_YET_HANDLED
        call = [msg.get_member(), msg.get_signature(), *map(shown, msg.get_args_list())]
        print(' '.join(filter(None, call)), flush=True)
        return low.HANDLER_RESULT_HANDLED if answer(conn, msg) else low.HANDLER_RESULT_NOT_YET_HANDLED

    conn.add_message_filter(filter_call)
    return conn


def mock(conn, name, path, interface):
    # A class per service: dbusmock hangs the methods on the class.
    mock_class = type(name, (dbusmock.DBusMockObject,), {})
    obj = mock_class(dbus.service.BusName(name, conn), path, interface, {}, '/dev/null')
    dbusmock.mockobject.objects[path] = obj
    return obj


def run():
    print('ready', flush=True)
    GLib.MainLoop().run()
