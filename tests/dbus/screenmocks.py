#!/usr/bin/python3
"""logind and the session's screen services, on two private buses.

Usage: screenmocks.py SYSTEM_ADDRESS SESSION_ADDRESS [RULE...]
RULE: session=none (logind knows no session for any PID), follower (a screen locker that
follows logind's Lock signal and sets LockedHint), saver (a locker holding
org.freedesktop.ScreenSaver at /ScreenSaver only, active 200 ms after Lock()),
mutter=N (Mutter's PowerSaveMode, starting at N), mutter=stuck (one that accepts the
change and stays on), kde (Plasma's global shortcuts with "Turn Off Screen")."""
import sys

import dbus
import dbus.lowlevel as low
from gi.repository import GLib

sys.dont_write_bytecode = True  # nothing written into the source tree
from mockbus import logged, mock, rules, run  # noqa: E402

SESSION = '/org/freedesktop/login1/session/c1'


def answer(conn, msg):  # a PowerSaveMode that accepts the change and stays on
    if msg.get_member() == 'Set' and rules.get('mutter') == 'stuck':
        conn.send_message(low.MethodReturnMessage(msg))
        return True
    return False


system = logged(sys.argv[1])
logind = mock(system, 'org.freedesktop.login1', '/org/freedesktop/login1',
              'org.freedesktop.login1.Manager')
logind.AddTemplate('logind', {})
logind.AddSession('c1', 'seat0', dbus.UInt32(1000), 'user', True)
if rules.get('session') == 'none':
    logind.AddMethod('', 'GetSessionByPID', 'u', 'o',
                     'raise dbus.exceptions.DBusException("no session for this PID", '
                     'name="org.freedesktop.login1.NoSessionForPID")')
else:
    logind.AddMethod('', 'GetSessionByPID', 'u', 'o', f'ret = dbus.ObjectPath("{SESSION}")')

if 'follower' in rules:
    # The locker is a client of its own: it hears the signal and tells logind back.
    locker = dbus.bus.BusConnection(sys.argv[1])
    session = locker.get_object('org.freedesktop.login1', SESSION, introspect=False)

    def locked():
        session.SetLockedHint(True, dbus_interface='org.freedesktop.login1.Session',
                              reply_handler=lambda: None, error_handler=print)
        return False

    locker.add_signal_receiver(lambda: GLib.timeout_add(200, locked), 'Lock',
                               'org.freedesktop.login1.Session', path=SESSION)

bus = logged(sys.argv[2], answer)
if 'saver' in rules:
    saver = mock(bus, 'org.freedesktop.ScreenSaver', '/ScreenSaver', 'org.freedesktop.ScreenSaver')
    saver.active = False

    def activate():
        saver.active = True
        saver.EmitSignal('', 'ActiveChanged', 'b', [True])
        return False

    saver.AddMethod('', 'Lock', '', '', lambda self: GLib.timeout_add(200, activate) and None)
    saver.AddMethod('', 'GetActive', '', 'b', lambda self: self.active)
if 'mutter' in rules:
    mutter = mock(bus, 'org.gnome.Mutter.DisplayConfig', '/org/gnome/Mutter/DisplayConfig',
                  'org.gnome.Mutter.DisplayConfig')
    start = 0 if rules['mutter'] == 'stuck' else int(rules['mutter'])
    mutter.AddProperty('org.gnome.Mutter.DisplayConfig', 'PowerSaveMode', dbus.Int32(start))
if 'kde' in rules:
    kde = mock(bus, 'org.kde.kglobalaccel', '/component/org_kde_powerdevil',
               'org.kde.kglobalaccel.Component')
    kde.AddMethod('', 'shortcutNames', '', 'as', lambda self: ['Turn Off Screen', 'Sleep'])
    kde.AddMethod('', 'invokeShortcut', 's', '', '')
run()
