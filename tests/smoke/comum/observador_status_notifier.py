#!/usr/bin/python3
"""A minimal StatusNotifier watcher for the smoke tests, on the session bus the test started.

It owns org.kde.StatusNotifierWatcher, says a host is registered (so that Qt puts its icons on this
tray rather than the X one), prints "pronto" once it owns the name and then, one per line, the bus
name of each item that registers.
"""
import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

INTERFACE = "org.kde.StatusNotifierWatcher"
CAMINHO = "/StatusNotifierWatcher"

# Qt reads the properties through the introspected interface, so they must be declared here.
INTROSPECCAO = """<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="xml" type="s" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get">
      <arg name="interface" type="s" direction="in"/><arg name="property" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface" type="s" direction="in"/>
      <arg name="properties" type="a{sv}" direction="out"/>
    </method>
  </interface>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>
"""


class Observador(dbus.service.Object):
    def __init__(self, barramento):
        super().__init__(barramento, CAMINHO)
        self.itens = []

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return INTROSPECCAO

    @dbus.service.method(INTERFACE, in_signature="s", sender_keyword="remetente")
    def RegisterStatusNotifierItem(self, servico, remetente=None):
        # An item may give its object path alone: it then lives under the caller's own name.
        if servico.startswith("/"):
            servico = remetente
        self.itens.append(servico)
        print(servico, flush=True)
        self.StatusNotifierItemRegistered(servico)

    @dbus.service.method(INTERFACE, in_signature="s")
    def RegisterStatusNotifierHost(self, _servico):
        pass

    @dbus.service.signal(INTERFACE, signature="s")
    def StatusNotifierItemRegistered(self, _servico):
        pass

    @dbus.service.signal(INTERFACE, signature="s")
    def StatusNotifierItemUnregistered(self, _servico):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, propriedade):
        return self.GetAll(interface)[propriedade]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, _interface):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.itens, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }


def main():
    DBusGMainLoop(set_as_default=True)
    barramento = dbus.SessionBus()
    nome = dbus.service.BusName(INTERFACE, barramento, do_not_queue=True)
    observador = Observador(barramento)
    print("pronto", flush=True)
    GLib.MainLoop().run()
    del nome, observador


if __name__ == "__main__":
    main()
