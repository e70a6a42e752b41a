#!/usr/bin/python3
"""logind and GNOME's session manager from python3-dbusmock, on two private buses.

Usage: powermocks.py SYSTEM_ADDRESS SESSION_ADDRESS [RULE...]
RULE: absent=gnome,logind (either or both), inhibitors=held (a few, of both modes and
kinds), or Method=silent | Method=late (answered after a second) | Method=ERROR.NAME |
Method=WORD (a Can* answer)."""
import sys

import dbus
import dbus.lowlevel as low

sys.dont_write_bytecode = True  # nothing written into the source tree
from mockbus import GLib, dbusmock, logged, mock, rules, run  # noqa: E402

absent = rules.get('absent', '').split(',')


def answer(conn, msg):
    rule = rules.get(msg.get_member())
    if rule and '.' in rule:
        conn.send_message(low.ErrorMessage(msg, rule, 'told by the mock'))
    elif rule == 'late':
        GLib.timeout_add(1000, lambda: conn.send_message(low.MethodReturnMessage(msg)) and False)
    elif rule and rule != 'silent':
        reply = low.MethodReturnMessage(msg)
        reply.append(rule, signature='s')
        conn.send_message(reply)
    return bool(rule)


if 'logind' not in absent:
    logind = mock(logged(sys.argv[1], answer), 'org.freedesktop.login1',
                  '/org/freedesktop/login1', 'org.freedesktop.login1.Manager')
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
    gnome = mock(logged(sys.argv[2], answer), 'org.gnome.SessionManager',
                 '/org/gnome/SessionManager', 'org.gnome.SessionManager')
    gnome.AddMethod('', 'Logout', 'u', '', '')
run()
