#!/usr/bin/python3
"""Reads the schedule window of a running trv through AT-SPI, as a screen reader does.

Opens the window through the accessible menu item, then prints the table's column headers and,
per row, the check state and the name of every cell. Exits 1 when the window or its table
cannot be reached.
"""
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

MENUEPUNKTE = ("Display Connector Schedule", "Stückliste anzeigen")


def suchen(obj, passt, tiefe=0):
    if obj is None or tiefe > 40:
        return None
    try:
        if passt(obj):
            return obj
        for i in range(obj.childCount):
            gefunden = suchen(obj.getChildAtIndex(i), passt, tiefe + 1)
            if gefunden is not None:
                return gefunden
    except Exception:  # an object that went away while it was walked
        pass
    return None


def warten(passt, sekunden=30):
    ende = time.time() + sekunden
    while time.time() < ende:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            gefunden = suchen(desktop.getChildAtIndex(i), passt)
            if gefunden is not None:
                return gefunden
        time.sleep(0.5)
    return None


menue = warten(lambda o: o.getRole() == pyatspi.ROLE_MENU_ITEM and o.name in MENUEPUNKTE)
if menue is None:
    sys.exit("the menu item of the connector schedule was not found")
# The command runs the modal window before it answers: no reply comes while the window is open.
Atspi.set_timeout(2000, -1)
try:
    menue.queryAction().doAction(0)
except GLib.GError:
    pass
Atspi.set_timeout(25000, -1)
tabelle = warten(lambda o: o.getRole() == pyatspi.ROLE_TABLE
                 and o.getState().contains(pyatspi.STATE_SHOWING)
                 and o.queryTable().nColumns == 6)
if tabelle is None:
    sys.exit("the schedule table was not found")
t = tabelle.queryTable()
print("table", tabelle.name)
print("headers", "|".join(t.getColumnDescription(c) for c in range(t.nColumns)))
for r in range(t.nRows):
    zellen = [t.getAccessibleAt(r, c) for c in range(t.nColumns)]
    haken = "checked" if zellen[0].getState().contains(pyatspi.STATE_CHECKED) else "unchecked"
    print("row %d %s|%s" % (r, haken, "|".join(z.name for z in zellen[1:])))
    # The first cell is read as the status text of the program's language.
    print("status %d %s" % (r, zellen[0].name))
