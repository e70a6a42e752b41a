#!/usr/bin/python3
"""The user's systemd manager as far as a wake timer needs it, on a private session bus.

Usage: wakemocks.py - SESSION_ADDRESS [RULE...]
RULE: version=TEXT (the manager's Version; default 256.5-1), late (StartTransientUnit answers
after a second, its unit made at once as systemd makes it), leftover=NAME (a unit of an earlier
run). Units() answers the timers loaded now as "name|OnCalendar moment|WakeSystem|AccuracyUSec|
service ExecStart", for the test to read."""
import sys

import dbus
import dbus.lowlevel as low

sys.dont_write_bytecode = True  # nothing written into the source tree
from mockbus import GLib, rules, run  # noqa: E402

MANAGER = 'org.freedesktop.systemd1.Manager'
units = {}
if 'leftover' in rules:
    units[rules['leftover']] = 'leftover'


def describe(props, aux):
    props = dict(props)
    calendar = ','.join(f'{base} {when}' for base, when in props.get('TimersCalendar', []))
    execs = ';'.join(f'{name} ' + ' '.join(c[1]) for name, p in aux
                     for c in dict(p).get('ExecStart', []))
    return f"{calendar}|{bool(props.get('WakeSystem'))}|{int(props.get('AccuracyUSec', 0))}|{execs}"


def reply(conn, msg, signature, value):
    answer = low.MethodReturnMessage(msg)
    answer.append(value, signature=signature)
    conn.send_message(answer)


def fail(conn, msg, name, text):
    conn.send_message(low.ErrorMessage(msg, name, text))


# Answered here, below any exported object: the calls are few, and one may answer late.
def answer(conn, msg):
    if not isinstance(msg, low.MethodCallMessage):
        return low.HANDLER_RESULT_NOT_YET_HANDLED
    member, args = msg.get_member(), msg.get_args_list()
    if member == 'StartTransientUnit' and str(args[0]) in units:
        fail(conn, msg, 'org.freedesktop.systemd1.UnitExists', f'Unit {args[0]} exists')
    elif member == 'StartTransientUnit':
        units[str(args[0])] = describe(args[2], args[3])
        job = dbus.ObjectPath(f'/org/freedesktop/systemd1/job/{len(units)}')
        GLib.timeout_add(1000 if 'late' in rules else 0,
                         lambda: reply(conn, msg, 'o', job) and False)
    elif member == 'StopUnit':
        if units.pop(str(args[0]), None) is None:
            fail(conn, msg, 'org.freedesktop.systemd1.NoSuchUnit', f'Unit {args[0]} not loaded')
        else:
            reply(conn, msg, 'o', dbus.ObjectPath('/org/freedesktop/systemd1/job/0'))
    elif member == 'ListUnitsByPatterns':
        path = dbus.ObjectPath('/org/freedesktop/systemd1/unit/x')
        reply(conn, msg, 'a(ssssssouso)',
              [(n, '', 'loaded', 'active', 'waiting', '', path, dbus.UInt32(0), '', path)
               for n in units if n.startswith('orvanta-wake-')])
    elif member == 'Get' and args[1] == 'Version':
        reply(conn, msg, 'v', dbus.String(rules.get('version', '256.5-1'), variant_level=1))
    elif member == 'Units':
        reply(conn, msg, 'as', [f'{name}|{text}' for name, text in sorted(units.items())])
    else:
        fail(conn, msg, 'org.freedesktop.DBus.Error.UnknownMethod', member)
    return low.HANDLER_RESULT_HANDLED


conn = dbus.bus.BusConnection(sys.argv[2])
conn.request_name('org.freedesktop.systemd1')
conn.add_message_filter(answer)
run()
