#!/usr/bin/python3
"""Walks the AT-SPI tree of one running program, as a screen reader sees it.

    atspi_walk.py PID [--chart]   prints every focusable control of the program's
                                  shown windows with its role and name; exits 1 when
                                  one has no name. With --chart it also prints the
                                  six chart values and exits 1 unless all six read
                                  like "Protein per 100 Gram: 0.46 Gr.".
    atspi_walk.py PID --wait      waits until the program is on the bus.
"""
import re
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


def main():
    pid = int(sys.argv[1])
    app = application(pid)
    if app is None:
        print(f"atspi: no application with process {pid} on the accessibility bus")
        return 2
    if "--wait" in sys.argv:
        return 0
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
