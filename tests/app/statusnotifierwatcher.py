#!/usr/bin/python3
# A StatusNotifierWatcher with a host: prints "ready", then each item's bus name.
import dbus, dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib
W = 'org.kde.StatusNotifierWatcher'
# Qt reads the property only when the introspection data names it.
XML = f'<node><interface name="{W}"><method name="RegisterStatusNotifierItem"><arg type="s"/></method>' \
      '<property name="IsStatusNotifierHostRegistered" type="b" access="read"/></interface></node>'
class Watcher(dbus.service.Object):
    @dbus.service.method(W, in_signature='s', sender_keyword='sender')
    def RegisterStatusNotifierItem(self, service, sender): print(sender if service[0] == '/' else service, flush=True)
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature='s')
    def Introspect(self): return XML
    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ss', out_signature='v')
    def Get(self, interface, name): return name == 'IsStatusNotifierHostRegistered'
DBusGMainLoop(set_as_default=True)
watcher, name = Watcher(dbus.SessionBus(), '/StatusNotifierWatcher'), dbus.service.BusName(W, dbus.SessionBus())
print('ready', flush=True)
GLib.MainLoop().run()
