#!/usr/bin/python3
"""Works the running program through the accessibility bus, on any display:

  atspi_desktop.py PID windows      prints the program's showing windows, sorted:
                                    main, result, exit, about,
                                    message:TEXT, or role:name for anything else
  atspi_desktop.py PID tabs         presses the six main tabs; each must become selected
  atspi_desktop.py PID press NAME   presses the button, option or menu item NAME
                                    in the showing windows (menu items need not show)
"""
import sys
import time

import pyatspi

from atspi_common import all_nodes, check, find_app, press, showing

MAIN_TABS = ("Pagan Calendar", "Pagan Information", "Pagan Festive Seasons",
             "Pagan Elements", "Pagan Gods", "Pagan Goddesses")


def showing_windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)
            if app.getChildAtIndex(i) is not None and showing(app.getChildAtIndex(i))]


def kind(window):
    nodes = all_nodes(window)
    names = {(n.getRole(), n.name) for n in nodes}
    if (pyatspi.ROLE_PAGE_TAB, "Pagan Calendar") in names:
        return "main"
    if (pyatspi.ROLE_MENU_ITEM, "Back") in names:
        return "result"
    if (pyatspi.ROLE_PUSH_BUTTON, "Refer A Friend Now") in names:
        return "exit"
    if any(role == pyatspi.ROLE_LINK and name == "Click here to visit Tarrowmoor"
           for role, name in names):
        return "about"
    texts = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.name]
    if window.name == "Velloran" and texts:
        return "message:" + texts[-1]
    return f"{window.getRoleName()}:{window.name}"


def press_named(app, name):
    for window in showing_windows(app):
        for node in all_nodes(window):
            if node.name != name:
                continue
            role = node.getRole()
            if role == pyatspi.ROLE_MENU_ITEM or (
                    role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
                             pyatspi.ROLE_PAGE_TAB) and showing(node)):
                press(node)
                return
    sys.exit(f"FAIL: nothing named '{name}' to press")


if len(sys.argv) < 3:
    sys.exit(__doc__)
program = find_app("velloran", pid=int(sys.argv[1]))
command = sys.argv[2]
if command == "windows":
    print(" ".join(sorted(kind(window) for window in showing_windows(program))))
elif command == "tabs":
    for caption in MAIN_TABS[1:] + MAIN_TABS[:1]:
        press_named(program, caption)
        time.sleep(0.2)
        tab = [n for w in showing_windows(program) for n in all_nodes(w)
               if n.getRole() == pyatspi.ROLE_PAGE_TAB and n.name == caption]
        check(tab and tab[0].getState().contains(pyatspi.STATE_SELECTED),
              f"the tab {caption} was not selected")
    print("tabs: six selected")
elif command == "press" and len(sys.argv) == 4:
    press_named(program, sys.argv[3])
else:
    sys.exit(__doc__)
