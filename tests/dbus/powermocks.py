#!/usr/bin/python3
"""logind and GNOME's session manager from python3-dbusmock, on two private buses.

Usage: powermocks.py SYSTEM_ADDRESS SESSION_ADDRESS [RULE...]
RULE: absent=gnome,logind (either or both), inhibitors=held (a few, of both modes and
kinds), or Method=silent | Method=ERROR.NAME | Method=WORD (a Can* answer).
Prints "ready", then "Member signature args" for each call as it reaches a mock, before
it is answered: the mocks convert arguments, so the wire signature is checked here."""
import sys

import dbus
import dbus.lowlevel as low
import dbus.mainloop.glib
import dbusmock
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
rules = dict(rule.split('=', 1) for rule in sys.argv[3:])
absent = rules.get('absent', '').split(',')


def serve(address, name, path, interface):
    conn = dbus.bus.BusConnection(address)

    def filter_call(_, msg):
        if not isinstance(msg, low.MethodCallMessage):
            return low.HANDLER_RESULT_NOT_YET_HANDLED
        call = [msg.get_member(), msg.get_signature(), *map(str, msg.get_args_list())]
        print(' '.join(filter(None, call)), flush=True)
        rule = rules.get(msg.get_member())
        if rule and '.' in rule:
            conn.send_message(low.ErrorMessage(msg, rule, 'told by the mock'))
        elif rule and rule != 'silent':
            reply = low.MethodReturnMessage(msg)
            reply.append(rule, signature='s')
            conn.send_message(reply)
        return low.HANDLER_RESULT_HANDLED if rule else low.HANDLER_RESULT_NOT_YET_HANDLED

    conn.add_message_filter(filter_call)
    # A class per service: dbusmock hangs the methods on the class.
    mock_class = type(name, (dbusmock.DBusMockObject,), {})
    mock = mock_class(dbus.service.BusName(name, conn), path, interface, {}, '/dev/null')
    dbusmock.mockobject.objects[path] = mock
    return conn, mock


if 'logind' not in absent:
    system, logind = serve(sys.argv[1], 'org.freedesktop.login1', '/org/freedesktop/login1',
                           'org.freedesktop.login1.Manager')
    logind.AddTemplate('logind', {})
    for method in ('PowerOff', 'Reboot', 'Suspend', 'Hibernate'):
        logind.AddMethod('', method + 'WithFlags', 't', '', '')
    logind.AddSession('auto', 'seat0', dbus.UInt32(1000), 'user', True)
    if rules.get('inhibitors') == 'held':
        # What the template's ListInhibitors answers: what, who, why, mode, uid, pid.
        dbusmock.mockobject.inhibitors = [
            ('sleep', 'Firefox', 'Playing video', 'block', 1000, 1234),
            ('sleep', 'NetworkManager', 'Disconnecting', 'delay', 0, 7),
            ('shutdown', 'apt', 'Upgrading', 'block', 0, 42),
            ('shutdown:sleep', 'backup', '', 'block', 1000, 99)]
if 'gnome' not in absent:
    session, gnome = serve(sys.argv[2], 'org.gnome.SessionManager', '/org/gnome/SessionManager',
                           'org.gnome.SessionManager')
    gnome.AddMethod('', 'Logout', 'u', '', '')
print('ready', flush=True)
GLib.MainLoop().run()
