"""What the end-to-end scripts share to read the program as a screen reader does."""
import sys
import time

import pyatspi


def find_app(name, timeout=15.0, pid=None):
    """The application of that name (and process id, if given) on the
    accessibility bus, waiting for it."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name and (
                    pid is None or app.get_process_id() == pid):
                return app
        time.sleep(0.2)
    sys.exit(f"FAIL: {name} is not on the accessibility bus")


def all_nodes(root):
    """Every node below root, in reading order."""
    found = []

    def walk(node, depth):
        if node is None or depth > 40:
            return
        found.append(node)
        for index in range(node.childCount):
            walk(node.getChildAtIndex(index), depth + 1)

    walk(root, 0)
    return found


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def press(node):
    """Runs the node's press action, as a screen reader user would."""
    action = node.queryAction()
    for index in range(action.nActions):
        # An option button's press is its toggle.
        if action.getName(index).lower() in ("press", "click", "toggle"):
            action.doAction(index)
            return
    sys.exit(f"FAIL: {node.name} has no press action")


def check(condition, message):
    if not condition:
        sys.exit("FAIL: " + message)
