#!/usr/bin/python3
"""Reads and works the running program through the accessibility bus, as a
screen reader does, on any display. random_use.py imports it; the scripts run
it as: atspi_common.py PID COMMAND, where COMMAND is
  windows      the showing windows, sorted: main, result, exit, about, message:TEXT
  tabs         presses the six main tabs; each must become selected
  press NAME [TIMES]  presses the button, option or menu item NAME of the showing windows
  focus        the role and name of the control with the focus
  page         the calendar page's month label (the one after "<") and year set
  festivals    the first line that the result window shows
"""
import sys
import time

import pyatspi

MAIN_TABS = ("Pagan Calendar", "Pagan Information", "Pagan Festive Seasons",
             "Pagan Elements", "Pagan Gods", "Pagan Goddesses")
MONTH_WORDS = ("January", "February", "March", "April", "May", "June", "July",
               "August", "September", "October", "November", "December")


def children(node):
    return [child for child in (node.getChildAtIndex(i) for i in range(node.childCount))
            if child is not None]


def find_app(pid, timeout=15.0):
    """The program with that process id on the accessibility bus, waiting up to
    timeout seconds; None if it is not there."""
    deadline = time.time() + timeout
    while True:
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app.name == "velloran" and app.get_process_id() == pid:
                return app
        if time.time() >= deadline:
            return None
        time.sleep(0.2)


def all_nodes(root, most=100000):
    """Every node below root, in reading order (the first few, if told)."""
    found = []

    def walk(node, depth):
        found.append(node)
        for child in children(node) if depth < 40 else []:
            if len(found) < most:
                walk(child, depth + 1)

    walk(root, 0)
    return found


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def showing_windows(app):
    return [window for window in children(app) if showing(window)]


def kind(window):
    """What a window is, told by its title, its role and the controls it holds."""
    nodes = all_nodes(window)
    names = {(n.getRole(), n.name) for n in nodes}
    if (pyatspi.ROLE_PAGE_TAB, "Pagan Calendar") in names:
        return "main"
    if (pyatspi.ROLE_MENU_ITEM, "Back") in names:
        return "result"
    if (pyatspi.ROLE_PUSH_BUTTON, "Refer A Friend Now") in names:
        return "exit"
    if (pyatspi.ROLE_LINK, "Click here to visit Tarrowmoor") in names:
        return "about"
    texts = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.name]
    if window.name == "Velloran" and texts:
        return "message:" + texts[-1]
    return f"{window.getRoleName()}:{window.name}"


def press(node):
    """Runs the node's press action, as a screen reader user would."""
    action = node.queryAction()
    for index in range(action.nActions):
        # An option button's press is its toggle.
        if action.getName(index).lower() in ("press", "click", "toggle"):
            action.doAction(index)
            return
    sys.exit(f"FAIL: {node.name} has no press action")


def press_named(app, name):
    for window in showing_windows(app):
        for node in all_nodes(window):
            role = node.getRole()
            if node.name == name and (role == pyatspi.ROLE_MENU_ITEM or (
                    role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
                             pyatspi.ROLE_PAGE_TAB) and showing(node))):
                press(node)
                return
    sys.exit(f"FAIL: nothing named '{name}' to press")


def showing_nodes(app):
    return [node for window in showing_windows(app) for node in all_nodes(window)
            if showing(node)]


def selected_tab(app, caption):
    return any(n.getRole() == pyatspi.ROLE_PAGE_TAB and n.name == caption
               and n.getState().contains(pyatspi.STATE_SELECTED) for n in showing_nodes(app))


def calendar_page(nodes):
    back = [i for i, n in enumerate(nodes)
            if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "<"]
    # The month label announces its changes as a notification.
    month = [n.name for n in nodes[back[0]:] if n.getRole() in (
        pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION)][:1] if back else []
    years = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_RADIO_BUTTON
             and n.getState().contains(pyatspi.STATE_CHECKED)]
    return f"month={''.join(month)} year={''.join(years[:1])}"


def first_festival_line(nodes):
    shown = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and (
        n.name == "Display Festivals"
        or n.name.split("\r\n")[0].split(" ")[0] in MONTH_WORDS and "\n" in n.name)]
    return shown[0].splitlines()[0] if shown else ""


def main(pid, command, *arguments):
    app = find_app(pid)
    if app is None:
        sys.exit("FAIL: the program is not on the accessibility bus")
    if command == "windows":
        print(" ".join(sorted(kind(window) for window in showing_windows(app))))
    elif command == "tabs":
        for caption in MAIN_TABS[1:] + MAIN_TABS[:1]:
            press_named(app, caption)
            time.sleep(0.2)
            if not selected_tab(app, caption):
                sys.exit(f"FAIL: the tab {caption} was not selected")
    elif command == "press" and len(arguments) in (1, 2):
        for _ in range(int(arguments[1]) if len(arguments) == 2 else 1):
            press_named(app, arguments[0])
            time.sleep(0.3)  # a button's press is an animated click, deaf until it ends
    elif command == "focus":
        print("\n".join(f"{n.getRoleName()}:{n.name}" for n in showing_nodes(app)
                        if n.getState().contains(pyatspi.STATE_FOCUSED)))
    elif command == "page":
        print(calendar_page(showing_nodes(app)))
    elif command == "festivals":
        print(first_festival_line(showing_nodes(app)))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(int(sys.argv[1]), *sys.argv[2:])
