#!/usr/bin/python3
# A screen reader's stand-in for a11y-bench.sh: registers for every event with the
# accessibility registry, which tells the applications what to send, and stays
# connected (the registry forgets the listeners of a connection that closes).
#   a11y-listener.py ACCESSIBILITY_BUS_ADDRESS
import sys

from gi.repository import Gio, GLib

bus = Gio.DBusConnection.new_for_address_sync(
    sys.argv[1], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
for event in ("object:", "window:", "focus:"):
    bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry", "org.a11y.atspi.Registry", "RegisterEvent",
                  GLib.Variant("(sass)", (event, [], "")), None, Gio.DBusCallFlags.NONE, -1)
GLib.MainLoop().run()
