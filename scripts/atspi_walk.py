#!/usr/bin/python3
"""Walks the AT-SPI tree of one running program, as a screen reader sees it.

    atspi_walk.py PID [--chart]   prints every focusable control of the program's
                                  shown windows with its role and name; exits 1 when
                                  one has no name. With --chart it also prints the
                                  six chart values and exits 1 unless all six read
                                  like "Protein per 100 Gram: 0.46 Gr.".
    atspi_walk.py PID --wait      waits until the program is on the bus.
    atspi_walk.py PID --tabs      presses Tab (xdotool) round the active window, prints
                                  the controls in the order they take the focus, and
                                  exits 1 when a focusable control is never reached
                                  (a group of option buttons counts as reached when
                                  one of them is: arrows move inside it).
    atspi_walk.py PID --focus-to NAME   presses Tab until the control NAME has the focus.
    atspi_walk.py PID --where     compares where the active window stands on the screen
                                  (xwininfo) with where the program tells a screen reader
                                  it stands; exits 1 when they differ. Logical pixels are
                                  multiplied by QT_SCALE_FACTOR.
    atspi_walk.py PID --menu NAME exits 1 unless the program lists an open pop-up menu
                                  with a command NAME among its windows.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

ITEM_ROLES = {"list item", "table cell", "tree item", "table row", "tree table row"}
CHART_VALUE = re.compile(r"^.+ per [0-9.]+ \S+: \S+ \S+")


def application(pid, seconds=15.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:  # an application leaving the bus while we look
                pass
        time.sleep(0.3)
    return None


def walk(acc, depth=0):
    """Yields (depth, accessible) for the shown part of the tree."""
    if acc is None or depth > 40:
        return
    try:
        states = acc.getState()
    except Exception:
        return
    if depth > 0 and not states.contains(pyatspi.STATE_SHOWING):
        return
    yield depth, acc
    for i in range(acc.childCount):
        try:
            child = acc.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def describe(acc):
    return f"{acc.getRoleName()} '{(acc.name or '').strip()}'"


def active_window(app):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.getState().contains(pyatspi.STATE_ACTIVE):
            return window
    return None


def focused_control(window):
    """The control with the keyboard focus. A list's current row and a tab bar's
    current tab may keep a focused state after the focus has left them, so a
    focused plain control wins over them."""
    found = []
    for _, acc in walk(window):
        if acc.getState().contains(pyatspi.STATE_FOCUSED):
            found.append(acc)

    def rank(acc):
        role = acc.getRoleName()
        return 2 if role in ITEM_ROLES else 1 if role == "page tab" else 0

    if not found:
        return None
    acc = min(found, key=rank)
    # A list's current row has the focus: the list is the control.
    while acc.getRoleName() in ITEM_ROLES and acc.parent is not None:
        acc = acc.parent
    return acc


def key(acc):
    """The accessible's place in the tree: its index at every level."""
    path = []
    while acc is not None and len(path) < 50:
        index = acc.getIndexInParent()
        if index < 0:
            break
        path.append(index)
        acc = acc.parent
    return tuple(reversed(path))


# Roles moved between by the arrow keys once Tab has reached one of them.
GROUP_ROLES = {"radio button", "page tab"}


def tab_round(app):
    window = active_window(app)
    if window is None:
        print("no active window")
        return 1
    print(f"tab order in {describe(window)}:")
    controls = []
    for _, acc in walk(window):
        states = acc.getState()
        if (states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_ENABLED)
                and acc.getRoleName() not in ITEM_ROLES and acc.getRoleName() != "label"):
            controls.append(acc)
    reached = {}
    first = None
    for _ in range(len(controls) + 8):
        current = focused_control(window)
        if current is not None:
            k = key(current)
            if first is not None and k == first:
                break
            if first is None:
                first = k
            if k not in reached:
                reached[k] = current
                print(f"  {len(reached):2}. {describe(current)}")
        subprocess.run(["xdotool", "key", "--clearmodifiers", "Tab"], check=False)
        time.sleep(0.35)
    reached_keys = set(reached)
    missing = []
    for acc in controls:
        k = key(acc)
        if k in reached_keys:
            continue
        role = acc.getRoleName()
        if role in GROUP_ROLES and any(r.getRoleName() == role and key(r)[:-1] == k[:-1]
                                       for r in reached.values()):
            continue
        if role == "page tab" and k[:-1] in reached_keys:
            continue  # the tab bar is one stop; the arrows choose the page
        if role == "page tab list" and any(r.getRoleName() == "page tab" and key(r)[:-1] == k
                                           for r in reached.values()):
            continue
        missing.append(acc)
    for acc in missing:
        print(f"  not reached by Tab: {describe(acc)}")
    print(f"reached by Tab: {len(controls) - len(missing)} of {len(controls)} controls")
    return 1 if missing else 0


def x_window(xid):
    """The X window's name and the screen position of its inside."""
    name = subprocess.run(["xdotool", "getwindowname", xid], capture_output=True, text=True).stdout.strip()
    info = subprocess.run(["xwininfo", "-id", xid], capture_output=True, text=True).stdout
    values = dict(re.findall(r"^\s*(Absolute upper-left [XY]|Width|Height):\s*(-?\d+)", info, re.M))
    return name, [int(values.get(k, 0)) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]


def where(app):
    xid = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
    if not xid:
        print("where: no active window")
        return 1
    name, on_screen = x_window(xid)
    scale = float(os.environ.get("QT_SCALE_FACTOR", "1") or 1)
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is None or (window.name or "").strip() != name:
            continue
        e = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        told = [round(v * scale) for v in (e.x, e.y, e.width, e.height)]
        # Scaled sizes may round a pixel either way.
        if all(abs(a - b) <= 1 for a, b in zip(told, on_screen)):
            print(f"where: '{name}' at {on_screen[0]},{on_screen[1]} on the screen and for a screen reader")
            return 0
        print(f"where: '{name}' is at {on_screen} on the screen, but a screen reader is told {told}")
        return 1
    print(f"where: the active window '{name}' is not one of the program's")
    return 0


def open_menu(app, command):
    for i in range(app.childCount):
        menu = app.getChildAtIndex(i)
        if menu is None or menu.getRoleName() not in ("popup menu", "menu"):
            continue
        if not menu.getState().contains(pyatspi.STATE_SHOWING):
            continue
        names = [(menu.getChildAtIndex(j).name or "").strip() for j in range(menu.childCount)]
        print(f"menu: {menu.getRoleName()} '{menu.name}' with {names}")
        if command in names:
            return 0
    print(f"menu: no open menu with '{command}' among the program's windows")
    return 1


def main():
    pid = int(sys.argv[1])
    app = application(pid)
    if app is None:
        print(f"atspi: no application with process {pid} on the accessibility bus")
        return 2
    if "--wait" in sys.argv:
        return 0
    if "--tabs" in sys.argv:
        return tab_round(app)
    if "--where" in sys.argv:
        return where(app)
    if "--menu" in sys.argv:
        return open_menu(app, sys.argv[sys.argv.index("--menu") + 1])
    if "--focus-to" in sys.argv:
        wanted = sys.argv[sys.argv.index("--focus-to") + 1]
        for _ in range(60):
            window = active_window(app)
            current = focused_control(window) if window is not None else None
            if current is not None and (current.name or "").strip() == wanted:
                return 0
            subprocess.run(["xdotool", "key", "--clearmodifiers", "Tab"], check=False)
            time.sleep(0.3)
        print(f"atspi: Tab never reaches '{wanted}'")
        return 1
    nameless = 0
    focusable = 0
    items = 0
    chart = []
    for depth, acc in walk(app):
        role = acc.getRoleName()
        name = (acc.name or "").strip()
        states = acc.getState()
        if depth == 1:
            print(f"window: {role} '{name}'")
        if states.contains(pyatspi.STATE_FOCUSABLE):
            if role in ITEM_ROLES:
                # Rows and cells of a list read their texts; an empty cell
                # (a folder's size) is no control without a name.
                items += 1
            else:
                focusable += 1
                print(f"  {role} '{name}'" if name else f"  {role} -- NO NAME")
                if not name:
                    nameless += 1
        if role == "label" and CHART_VALUE.match(name):
            chart.append(name)
    print(f"focusable controls: {focusable}, without a name: {nameless}; list rows and cells: {items}")
    status = 1 if nameless else 0
    if "--chart" in sys.argv:
        for value in chart:
            print(f"  chart: {value}")
        print(f"chart values read: {len(chart)}")
        if len(chart) != 6:
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
