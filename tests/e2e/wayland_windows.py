#!/usr/bin/python3
"""Lists the toplevel windows that a Wayland compositor has on screen, from the
protocol log it writes with WAYLAND_DEBUG=server: one line a window, its title,
and "over TITLE" when it is bound to a parent. Qt gives a window its toplevel
role when it shows it and destroys that role when it hides it.

  wayland_windows.py PROTOCOL_LOG [FIRST:LAST ...]

Lines FIRST to LAST are left out: the log does not say when a client goes, so
the lines of a second copy that has ended are skipped.
"""
import re
import sys

# An object is "xdg_toplevel@12" in libwayland 1.21 (Debian 12), "xdg_toplevel#12" from 1.23 on;
# a line's time is in milliseconds ("[ 1234.567]") up to 1.23, the time of day
# ("[23:00:45.434712]") from 1.26 on.
REQUEST = re.compile(r'^\[\s*[\d.:]+\]\s+(xdg_\w+)[@#](\d+)\.(\w+)\((.*)\)\s*$')

skipped = [tuple(int(n) for n in span.split(":")) for span in sys.argv[2:]]
toplevels = {}
with open(sys.argv[1], errors="replace") as log:
    for line_number, line in enumerate(log, 1):
        if any(first <= line_number <= last for first, last in skipped):
            continue
        found = REQUEST.match(line)
        if not found:
            continue  # events the compositor sends start with "->"
        interface, number, request, arguments = found.groups()
        if interface == "xdg_surface" and request == "get_toplevel":
            toplevels[re.search(r'xdg_toplevel[@#](\d+)', arguments).group(1)] = {
                "title": "", "parent": None}
        elif interface == "xdg_toplevel" and number in toplevels:
            if request == "destroy":
                del toplevels[number]
            elif request == "set_title":
                toplevels[number]["title"] = arguments.strip('"')
            elif request == "set_parent":
                parent = re.search(r'xdg_toplevel[@#](\d+)', arguments)
                toplevels[number]["parent"] = parent.group(1) if parent else None

for window in toplevels.values():
    parent = toplevels.get(window["parent"]) if window["parent"] else None
    print(window["title"] + (f" over {parent['title']}" if parent else ""))
