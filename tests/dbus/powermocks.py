#!/usr/bin/python3
"""logind and GNOME's session manager from python3-dbusmock, on two private buses.

Usage: powermocks.py SYSTEM_ADDRESS SESSION_ADDRESS [RULE...]
RULE: absent=gnome,logind (either or both), inhibitors=held (a few, of both modes and
kinds), pm (the freedesktop power management's Inhibit), portal=refuse (the portal answers
Inhibit with a failure), or Method=silent | Method=late (answered after a second; said so for the inhibitors) |
Method=ERROR.NAME | Method=WORD (a Can* answer). logind's Inhibit hands out a pipe's end and
says "idle lock closed" when it is closed."""
import os
import sys

import dbus
import dbus.lowlevel as low

sys.dont_write_bytecode = True  # nothing written into the source tree
from mockbus import GLib, dbusmock, logged, mock, rules, run  # noqa: E402

absent = rules.get('absent', '').split(',')


def inhibit(conn, msg):
    if msg.get_interface() == 'org.freedesktop.login1.Manager':
        read, write = os.pipe()
        reply = low.MethodReturnMessage(msg)
        reply.append(dbus.types.UnixFd(write), signature='h')
        os.close(write)
        # Before the calls that arrive with it: closed first, it is told first.
        GLib.unix_fd_add_full(GLib.PRIORITY_HIGH, read, GLib.IO_HUP, lambda fd, _: print(
            'idle lock closed', flush=True) or os.close(fd) or False)
        return conn.send_message(reply) or True
    if msg.get_interface() == 'org.freedesktop.portal.Inhibit':
        reply = low.MethodReturnMessage(msg)
        token = msg.get_args_list()[2]['handle_token']
        path = '/org/freedesktop/portal/desktop/request/%s/%s' % (
            msg.get_sender()[1:].replace('.', '_'), token)
        reply.append(dbus.ObjectPath(path), signature='o')
        response = low.SignalMessage(path, 'org.freedesktop.portal.Request', 'Response')
        response.append(dbus.UInt32(2), {}, signature='ua{sv}')
        conn.send_message(reply)
        return conn.send_message(response) or True
    return False


def answer(conn, msg):
    rule = rules.get(msg.get_member())
    if msg.get_member() == 'Inhibit' and rule != 'late':
        return inhibit(conn, msg)
    if rule and '.' in rule:
        conn.send_message(low.ErrorMessage(msg, rule, 'told by the mock'))
    elif rule == 'late':
        reply = low.MethodReturnMessage(msg)
        if msg.get_member() == 'Inhibit':
            reply.append(dbus.UInt32(7), signature='u')
        said = msg.get_member() in ('Inhibit', 'Uninhibit') and msg.get_member() + ' answered'
        GLib.timeout_add(1000, lambda: said and print(said, flush=True) or
                         conn.send_message(reply) and False)
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
    gnome.AddMethod('', 'Inhibit', 'susu', 'u', 'ret = dbus.UInt32(7)')
    gnome.AddMethod('', 'Uninhibit', 'u', '', '')
if 'pm' in rules:
    pm = mock(logged(sys.argv[2], answer), 'org.freedesktop.PowerManagement',
              '/org/freedesktop/PowerManagement/Inhibit', 'org.freedesktop.PowerManagement.Inhibit')
    pm.AddMethod('', 'Inhibit', 'ss', 'u', 'ret = dbus.UInt32(9)')
    pm.AddMethod('', 'UnInhibit', 'u', '', '')
if rules.get('portal') == 'refuse':
    mock(logged(sys.argv[2], answer), 'org.freedesktop.portal.Desktop',
         '/org/freedesktop/portal/desktop', 'org.freedesktop.portal.Inhibit')
run()
