#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
"""A stand-in for the desktop's accessibility bus service on a private session
bus: owns org.a11y.Bus and serves org.a11y.Status's properties the way the
real service does. Set (as a screen reader calls it) changes a property and
sends PropertiesChanged.

    fake_a11y_bus.py true|false     ScreenReaderEnabled at start
"""
import os
import sys

import dbus
import dbus.service
import dbus.mainloop.glib
from gi.repository import GLib

PROPERTIES = "org.freedesktop.DBus.Properties"
STATUS = "org.a11y.Status"


class A11yBus(dbus.service.Object):
    def __init__(self, bus, screen_reader):
        super().__init__(bus, "/org/a11y/bus")
        self.values = {"IsEnabled": dbus.Boolean(False), "ScreenReaderEnabled": dbus.Boolean(screen_reader)}

    def _check(self, interface, name):
        if interface != STATUS or name not in self.values:
            raise dbus.exceptions.DBusException(f"no property {interface}.{name}",
                                                name="org.freedesktop.DBus.Error.UnknownProperty")

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        self._check(interface, name)
        return self.values[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.values if interface == STATUS else {}

    @dbus.service.method(PROPERTIES, in_signature="ssv")
    def Set(self, interface, name, value):
        self._check(interface, name)
        self.values[name] = dbus.Boolean(value)
        self.PropertiesChanged(STATUS, {name: self.values[name]}, [])

    # Where the accessibility tree goes: here, the session bus itself.
    @dbus.service.method("org.a11y.Bus", out_signature="s")
    def GetAddress(self):
        return os.environ["DBUS_SESSION_BUS_ADDRESS"]

    @dbus.service.signal(PROPERTIES, signature="sa{sv}as")
    def PropertiesChanged(self, interface, changed, invalidated):
        pass


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    service = A11yBus(bus, sys.argv[1] == "true")
    name = dbus.service.BusName("org.a11y.Bus", bus)  # kept: the name lives as long as this object
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
