"""GNOME's idle monitor on the session bus, as the program sees it: idleness counted from
the start or the last ResetIdletime() (the test's input), watches fired to their owner alone.
Prints "ready" once the name is owned."""

import time

import dbus
import dbus.lowlevel
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NAME = IFACE = "org.gnome.Mutter.IdleMonitor"
PATH = "/org/gnome/Mutter/IdleMonitor/Core"


class Monitor(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.last_input, self.next_id, self.watches, self.timers = time.monotonic(), 1, {}, {}

    def idle_ms(self):
        return int((time.monotonic() - self.last_input) * 1000)

    def add(self, interval, owner):
        watch, self.next_id = self.next_id, self.next_id + 1
        self.watches[watch] = (int(interval), owner)
        if interval:
            self.schedule(watch)
        return dbus.UInt32(watch)

    def schedule(self, watch):
        # Already idle that long: fired at once, after the reply.
        wait = max(0, self.watches[watch][0] - self.idle_ms())
        self.timers[watch] = GLib.timeout_add(wait, self.fire, watch)

    def fire(self, watch):
        self.timers.pop(watch, None)
        interval, owner = self.watches[watch]
        if not interval:  # an input watch fires once
            del self.watches[watch]
        signal = dbus.lowlevel.SignalMessage(PATH, IFACE, "WatchFired")
        signal.append(dbus.UInt32(watch))
        signal.set_destination(owner)
        self.connection.send_message(signal)
        return False

    @dbus.service.method(IFACE, in_signature="t", out_signature="u", sender_keyword="sender")
    def AddIdleWatch(self, interval, sender):
        return self.add(interval, sender)

    @dbus.service.method(IFACE, out_signature="u", sender_keyword="sender")
    def AddUserActiveWatch(self, sender):
        return self.add(0, sender)

    @dbus.service.method(IFACE, in_signature="u")
    def RemoveWatch(self, watch):
        self.watches.pop(watch, None)
        if watch in self.timers:
            GLib.source_remove(self.timers.pop(watch))

    @dbus.service.method(IFACE, out_signature="t")
    def GetIdletime(self):
        return dbus.UInt64(self.idle_ms())

    @dbus.service.method(IFACE)
    def ResetIdletime(self):
        self.last_input = time.monotonic()
        for watch, (interval, _) in list(self.watches.items()):
            if watch in self.timers:
                GLib.source_remove(self.timers.pop(watch))
            if interval:
                self.schedule(watch)
            else:
                self.fire(watch)


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
session = dbus.SessionBus()
monitor = Monitor(session)
name = dbus.service.BusName(NAME, session)
print("ready", flush=True)
GLib.MainLoop().run()
