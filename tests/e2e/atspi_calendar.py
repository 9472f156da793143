#!/usr/bin/python3
"""Reads the calendar windows of the running program as a screen reader does.

  atspi_calendar.py focus     prints the role and name of the control with the focus
  atspi_calendar.py page      prints the month label (the label after "<") and the year set
  atspi_calendar.py festivals prints the first line that the result window shows
"""
import sys

import pyatspi

from atspi_common import all_nodes, find_app, showing


def showing_nodes():
    return [node for node in all_nodes(find_app("velloran")) if showing(node)]


MONTH_WORDS = ("January", "February", "March", "April", "May", "June", "July",
               "August", "September", "October", "November", "December")

mode = sys.argv[1] if len(sys.argv) > 1 else ""
nodes = showing_nodes()
if mode == "focus":
    focused = [n for n in nodes if n.getState().contains(pyatspi.STATE_FOCUSED)]
    print("\n".join(f"{n.getRoleName()}:{n.name}" for n in focused))
elif mode == "page":
    back = [i for i, n in enumerate(nodes)
            if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "<"]
    month = ""
    if back:
        # The month label announces its changes as a notification.
        following = [n for n in nodes[back[0]:]
                     if n.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION)]
        month = following[0].name if following else ""
    years = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_RADIO_BUTTON
             and n.getState().contains(pyatspi.STATE_CHECKED)]
    print(f"month={month} year={years[0] if years else ''}")
elif mode == "festivals":
    labels = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_LABEL]
    shown = [name for name in labels if name == "Display Festivals"
             or name.split("\r\n")[0].split(" ")[0] in MONTH_WORDS and "\n" in name]
    print(shown[0].splitlines()[0] if shown else "")
else:
    sys.exit(__doc__)
