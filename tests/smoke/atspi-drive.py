#!/usr/bin/python3
# Drives Lumora through the accessibility bus, where nothing can type or click for a
# user (a headless Wayland compositor): every step waits for what a user would see.
#   atspi-drive.py ACCESSIBILITY_BUS_ADDRESS FOLDER PICTURE...
# Lumora was started on the second picture of FOLDER, which holds the PICTUREs (names,
# in the file list's order). Steps: its main window comes up on FOLDER; the viewer opens
# on the picture at its place among them; Show Thumb builds the board with a thumbnail
# for each; the menu bar's Exit closes the program.
import sys
import time

from gi.repository import Gio, GLib

address, folder, pictures = sys.argv[1], sys.argv[2], sys.argv[3:]
bus = Gio.DBusConnection.new_for_address_sync(
    address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
ACCESSIBLE = "org.a11y.atspi.Accessible"


def call(node, interface, method, args=None):
    return bus.call_sync(node[0], node[1], interface, method, args, None, Gio.DBusCallFlags.NONE, 5000).unpack()


def text(node, name):
    try:
        return call(node, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (ACCESSIBLE, name)))[0]
    except GLib.Error:  # gone while it was walked
        return ""


def walk(node):
    yield node
    try:
        children = call(node, ACCESSIBLE, "GetChildren")[0]
    except GLib.Error:
        return
    for child in children:
        yield from walk(tuple(child))


def lumora():
    root = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    for app in call(root, ACCESSIBLE, "GetChildren")[0]:
        if text(tuple(app), "Name") == "lumora":
            return tuple(app)
    return None


def wait_for(what, found, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        app = lumora()
        result = found(app) if app else None
        if result:
            print("atspi-drive:", what)
            return result
        time.sleep(0.2)
    sys.exit("atspi-drive: never saw " + what)


def named(app, name):
    return next((n for n in walk(app) if text(n, "Name") == name), None)


def frame(app, title):
    return next((w for w in call(app, ACCESSIBLE, "GetChildren")[0] if text(tuple(w), "Name") == title), None)


def press(node):
    call(node, "org.a11y.atspi.Action", "DoAction", GLib.Variant("(i)", (0,)))


place = f"{folder}/{pictures[1]}   ( 2/{len(pictures)} )"
wait_for("the main window on the folder", lambda app: frame(app, f"Lumora   [ {folder} ]"))
wait_for("the viewer at " + place, lambda app: frame(app, "Show Picture") and named(app, place))
press(wait_for("Show Thumb", lambda app: named(app, "Show Thumb")))


def thumbnails(app):
    hints = [text(n, "Description") for n in walk(frame(app, f"Lumora   [ {folder} ]"))]
    return all(any(hint.startswith(p + "\n") for hint in hints) for p in pictures)


wait_for("a thumbnail for each picture", thumbnails)
press(wait_for("Exit", lambda app: named(app, "Exit")))
