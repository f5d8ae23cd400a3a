#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# A stand-in for the desktop's accessibility status service on a private
# session bus: owns org.a11y.Bus and serves org.a11y.Status's
# ScreenReaderEnabled (argument: true|false at start); Set changes it and
# sends PropertiesChanged, as the real service does.
import os
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PROPERTIES, STATUS = "org.freedesktop.DBus.Properties", "org.a11y.Status"


class A11yBus(dbus.service.Object):
    values = {"IsEnabled": dbus.Boolean(False), "ScreenReaderEnabled": dbus.Boolean(sys.argv[1] == "true")}

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.values[name]

    @dbus.service.method(PROPERTIES, in_signature="ssv")
    def Set(self, interface, name, value):
        self.values[name] = dbus.Boolean(value)
        self.PropertiesChanged(STATUS, {name: self.values[name]}, [])

    @dbus.service.signal(PROPERTIES, signature="sa{sv}as")
    def PropertiesChanged(self, interface, changed, invalidated):
        pass

    # Where the toolkit puts its accessibility tree: the session bus itself.
    @dbus.service.method("org.a11y.Bus", out_signature="s")
    def GetAddress(self):
        return os.environ["DBUS_SESSION_BUS_ADDRESS"]


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
service, name = A11yBus(bus, "/org/a11y/bus"), dbus.service.BusName("org.a11y.Bus", bus)
GLib.MainLoop().run()
