#!/usr/bin/python3
"""Mocked desktop session managers and systemd-logind on two private buses.

Usage: powermocks.py SYSTEM_ADDRESS SESSION_ADDRESS [RULE...]

Each service runs on its own connection, so a call reaches it only under its own
bus name. A monitor on each bus records every method call as it crosses the bus,
with the signature it really had on the wire (the mocks themselves convert their
arguments to the declared signature and so cannot tell).

Rules:
  absent=KEY              the service is not on its bus
  KEY.Method=ERROR.NAME   the method answers with that error
  KEY.Method=silent       the method never answers
  KEY.Method=missing      the method does not exist
  KEY.Method=oldflags     a *WithFlags method of systemd before 257: InvalidArgs above 0x3
  KEY.Method=WORD         the method answers the string WORD (logind's Can* queries)
KEY is one of the names of SERVICES, or "session" for logind's session "auto".

Prints "ready" once every name is owned. On a line "calls" on standard input it
prints the calls recorded since the last such line, session bus first, each bus in
the order of sending, then "end". Any other line, the end of standard input or the
loss of a bus ends it.
"""

import os
import sys

import dbus
import dbus.lowlevel
import dbus.mainloop.glib
import dbus.service
import dbusmock
from gi.repository import GLib

SERVICES = {
    # key: (bus, name, path, interface, [(method, in signature)])
    'gnome': ('session', 'org.gnome.SessionManager', '/org/gnome/SessionManager',
              'org.gnome.SessionManager', [('Logout', 'u'), ('Shutdown', ''), ('Reboot', '')]),
    'mate': ('session', 'org.mate.SessionManager', '/org/mate/SessionManager',
             'org.mate.SessionManager', [('Logout', 'u'), ('Shutdown', ''),
                                         ('RequestShutdown', ''), ('RequestReboot', '')]),
    'xfce': ('session', 'org.xfce.SessionManager', '/org/xfce/SessionManager',
             'org.xfce.Session.Manager', [('Logout', 'bb'), ('Shutdown', 'b'), ('Restart', 'b')]),
    'kde': ('session', 'org.kde.Shutdown', '/Shutdown', 'org.kde.Shutdown',
            [('logout', ''), ('logoutAndShutdown', ''), ('logoutAndReboot', '')]),
    'ksmserver': ('session', 'org.kde.ksmserver', '/KSMServer', 'org.kde.KSMServerInterface',
                  [('logout', 'iii')]),
    # LXQt's session never answers these.
    'lxqt': ('session', 'org.lxqt.session', '/LXQtSession', 'org.lxqt.session',
             [('logout', ''), ('powerOff', ''), ('reboot', '')]),
    'logind': ('system', 'org.freedesktop.login1', '/org/freedesktop/login1',
               'org.freedesktop.login1.Manager', []),
}
SESSION_PATH = '/org/freedesktop/login1/session/auto'
SESSION_IFACE = 'org.freedesktop.login1.Session'
DEFAULT_SILENT = {('lxqt', m) for m in ('logout', 'powerOff', 'reboot')}


def fail(text):
    print(text, file=sys.stderr, flush=True)
    sys.exit(2)


def parse_rules(words):
    absent, behaviour = set(), {}
    for word in words:
        key, _, value = word.partition('=')
        if key == 'absent':
            absent.add(value)
        elif '.' in key and value:
            service, _, method = key.partition('.')
            behaviour[(service, method)] = value
        else:
            fail(f'bad rule {word!r}')
    for key, _ in behaviour:
        if key not in SERVICES and key != 'session':
            fail(f'unknown service {key!r}')
    return absent, behaviour


def describe(value):
    if isinstance(value, dbus.Boolean):
        return 'true' if value else 'false'
    if isinstance(value, int):
        return str(int(value))
    return repr(str(value))


class Recorder:
    def __init__(self):
        self.calls = {'session': [], 'system': []}

    def monitor(self, bus, address):
        conn = dbus.bus.BusConnection(address)
        conn.call_blocking('org.freedesktop.DBus', '/org/freedesktop/DBus',
                           'org.freedesktop.DBus.Monitoring', 'BecomeMonitor', 'asu', ([], 0))

        def record(_, msg):
            if (isinstance(msg, dbus.lowlevel.MethodCallMessage)
                    and msg.get_destination() != 'org.freedesktop.DBus'):
                sig = msg.get_signature()
                args = ', '.join(describe(a) for a in msg.get_args_list())
                inner = f'{sig}: {args}' if sig else ''
                self.calls[bus].append(f'{bus} {msg.get_destination()} {msg.get_path()} '
                                       f'{msg.get_interface()}.{msg.get_member()}({inner})')
            # A monitor must never answer anything, so nothing is left for libdbus to do.
            return dbus.lowlevel.HANDLER_RESULT_HANDLED

        conn.add_message_filter(record)
        return conn


def method_code(value):
    if value == 'oldflags':
        # systemd before 257 knows flags 0x1 and 0x2 only.
        return ('if args[0] & ~3: raise dbus.exceptions.DBusException('
                '"Invalid flags parameter", name="org.freedesktop.DBus.Error.InvalidArgs")')
    if '.' in value:
        return f'raise dbus.exceptions.DBusException("refused by the mock", name={value!r})'
    return f'ret = {value!r}'


def apply(obj, interface, method, in_sig, value, silent):
    """Give one method its behaviour; value None keeps the plain "answer nothing"."""
    if value == 'missing':
        obj.methods.get(interface, {}).pop(method, None)
        if method in type(obj).__dict__:
            delattr(type(obj), method)
        return
    if value == 'silent':
        silent.add((interface, method))
        value = None
    out_sig = 's' if value and '.' not in value and value != 'oldflags' else ''
    obj.AddMethod(interface, method, in_sig, out_sig, method_code(value) if value else '')


def start_service(key, address, behaviour, absent_session):
    bus_kind, name, path, interface, methods = SERVICES[key]
    conn = dbus.bus.BusConnection(address)
    # A class of its own per service: dbusmock hangs methods on the class.
    cls = type(f'Mock_{key}', (dbusmock.DBusMockObject,), {})
    # The mocks' own log would mix with the recorded calls on standard output.
    obj = cls(dbus.service.BusName(name, conn), path, interface, {}, os.devnull)
    dbusmock.mockobject.objects[path] = obj
    silent = set()
    if key == 'logind':
        obj.AddTemplate('logind', {})
        obj.AddMethod(interface, 'PowerOffWithFlags', 't', '', '')
        obj.AddMethod(interface, 'RebootWithFlags', 't', '', '')
        if not absent_session:
            obj.AddSession('auto', 'seat0', dbus.UInt32(os.getuid()), 'user', True)
            session = dbusmock.mockobject.objects[SESSION_PATH]
            if ('session', 'Terminate') in behaviour:
                apply(session, SESSION_IFACE, 'Terminate', '',
                      behaviour[('session', 'Terminate')], silent)
        for (service, method), value in behaviour.items():
            if service == key:
                in_sig = obj.methods.get(interface, {}).get(method, ('',))[0]
                apply(obj, interface, method, in_sig, value, silent)
    else:
        for method, in_sig in methods:
            value = behaviour.get((key, method))
            if value is None and (key, method) in DEFAULT_SILENT:
                value = 'silent'
            apply(obj, interface, method, in_sig, value, silent)

    def swallow(_, msg):
        if (isinstance(msg, dbus.lowlevel.MethodCallMessage)
                and (msg.get_interface(), msg.get_member()) in silent):
            return dbus.lowlevel.HANDLER_RESULT_HANDLED
        return dbus.lowlevel.HANDLER_RESULT_NOT_YET_HANDLED

    conn.add_message_filter(swallow)
    return conn


def main():
    if len(sys.argv) < 3:
        fail(__doc__)
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    addresses = {'system': sys.argv[1], 'session': sys.argv[2]}
    absent, behaviour = parse_rules(sys.argv[3:])
    loop = GLib.MainLoop()

    recorder = Recorder()
    keep = [recorder.monitor(bus, address) for bus, address in addresses.items()]
    for key, service in SERVICES.items():
        if key not in absent:
            keep.append(start_service(key, addresses[service[0]], behaviour, 'session' in absent))
    for conn in keep:
        conn.call_on_disconnection(lambda _: loop.quit())

    def on_stdin(channel, condition):
        line = channel.readline() if condition & GLib.IO_IN else ''
        if line.strip() != 'calls':
            loop.quit()
            return False
        # Take in whatever the monitors have already been sent.
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        for bus in ('session', 'system'):
            for call in recorder.calls[bus]:
                print(call)
            recorder.calls[bus].clear()
        print('end', flush=True)
        return True

    stdin = GLib.IOChannel.unix_new(sys.stdin.fileno())
    GLib.io_add_watch(stdin, GLib.PRIORITY_DEFAULT, GLib.IO_IN | GLib.IO_HUP, on_stdin)
    print('ready', flush=True)
    loop.run()


if __name__ == '__main__':
    main()
