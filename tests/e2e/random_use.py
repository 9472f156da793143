#!/usr/bin/python3
"""Seeded random use of the real program, as a careless user and an
accessibility tool would: clicks, keys, typing, pasting, menus, close boxes and
message-box answers, relaunching whenever the program ends. Part of the clicks
are aimed at the controls a random point seldom finds (the year options and
"Show Pagan Calendar" before all), at their fixed places in each window, so
that runs go on to the result window and its controls. Stops at the first
crash, hang, sanitizer report, pair of main and result windows on screen, or
malformed address handed to the browser; reports which windows it reached.
With VELLORAN_RANDOM_INPUT=x (the Windows build under Wine, where there is no
accessibility bus) it uses X input alone and asks whether the program answers
through the window manager's ping. VELLORAN_RANDOM_TRACE=1 prints every action.
Usage: random_use.py BINARY SEED SECONDS LOG OPENED"""
import collections
import os
import random
import re
import subprocess
import sys
import time
import urllib.parse

X_ONLY = os.environ.get("VELLORAN_RANDOM_INPUT") == "x"
if X_ONLY:
    from Xlib import X, display, protocol
    from Xlib.error import XError
else:
    import pyatspi

    from atspi_common import all_nodes, find_app, showing, showing_windows

binary, seed, seconds, log_path, opened_path = sys.argv[1:6]
rng = random.Random(int(seed))
SANITIZER_REPORT = re.compile(os.environ["SANITIZER_REPORT"])
KEYS = ["Tab", "shift+Tab", "Return", "Escape", "space", "Up", "Down", "Left", "Right",
        "Home", "End", "BackSpace", "Delete", "alt+f", "alt+h", "alt+x", "alt+n", "alt+y",
        "alt+o", "alt+c", "alt+s", "ctrl+v", "shift+Insert", "ctrl+a", "ctrl+c", "ctrl+x",
        "ctrl+z", "F1", "F10", "Menu", "alt+F4"]
TEXTS = ["& = # %", "a@b.c", "\"quoted\" 'single'", "Ωμέγα Привет 日本語 עברית", "😀🎉",
         "?x=1&y=2#top", "  spaced  ", "100% \\ / < >"]
URL_CHARS = re.compile(r"^[A-Za-z0-9\-._~:/?#\[\]@!$&'()*+,;=%]+$")


TRACE = os.environ.get("VELLORAN_RANDOM_TRACE") == "1"  # every action as it is done
recent = collections.deque(maxlen=12)  # the last actions, told with a failure


def fail(message):
    sys.exit(f"FAIL (seed {seed}): {message}\nlast actions: " + "; ".join(recent))


def xdotool(*args):
    try:
        return subprocess.run(["xdotool", *args], capture_output=True, text=True,
                              timeout=10).stdout.split()
    except subprocess.TimeoutExpired:
        return []


def launch():
    log = open(log_path, "ab")
    return subprocess.Popen([binary], stdout=log, stderr=log)


# The program's fixed windows by their width, with the height of their client area
# (a window with a menu bar is that much taller).
FIXED_WINDOWS = {674: ("main", 404), 477: ("result", 350), 741: ("exit", 315),
                 470: ("about", 211)}
# Where aimed clicks land: controls in twips (15 to the pixel) within a window's client
# area, with how often each is picked. The calendar page's frame lies at 0, 735.
TARGETS = {
    "main": [("tabs", (0, 375, 10110, 400), 1), ("Pagan Calendar tab", (60, 375, 1000, 400), 1),
             ("<", (7020, 3015, 400, 400), 1), (">", (8790, 3015, 400, 400), 1),
             ("2006", (6720, 3615, 800, 255), 2), ("2007", (7740, 3615, 800, 255), 2),
             ("2008", (8760, 3615, 800, 255), 2),
             ("Show Pagan Calendar", (6600, 4240, 3240, 350), 5),
             ("outreach label", (143, 5565, 9825, 400), 1)],
    "result": [("month view", (4125, 2025, 2880, 2310), 3),
               ("previous month", (4155, 2055, 300, 300), 2),
               ("next month", (6675, 2055, 300, 300), 2),
               ("forum banner", (990, 60, 5190, 390), 1),
               ("outreach label", (105, 4560, 6945, 615), 1)],
    "exit": [("Exit", (6000, 2760, 1245, 375), 1), ("visit link", (30, 2040, 7185, 555), 1),
             ("referral boxes", (205, 3600, 6890, 645), 2),
             ("Refer A Friend Now", (2040, 4320, 3375, 285), 1)],
    "about": [("OK", (5745, 2760, 1260, 345), 1)],
}
x_display = display.Display() if X_ONLY else None
if x_display:
    x_display.set_error_handler(lambda *_: None)  # a window that went meanwhile
    x_display.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
pings = 0
silence = "not on the accessibility bus"


def answers_ping(window_id, wait=5.0):
    """The program's event loop answers _NET_WM_PING on the window, as it must
    for the window manager not to call it hung (the answer goes to the root)."""
    global pings
    pings += 1
    atom = x_display.intern_atom
    window = x_display.create_resource_object("window", window_id)
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=atom("WM_PROTOCOLS"),
        data=(32, [atom("_NET_WM_PING"), pings, window_id, 0, 0])), event_mask=0)
    x_display.flush()
    deadline = time.time() + wait
    while time.time() < deadline:
        while x_display.pending_events():
            event = x_display.next_event()
            if (event.type == X.ClientMessage and event.client_type == atom("WM_PROTOCOLS")
                    and list(event.data[1][:2]) == [atom("_NET_WM_PING"), pings]):
                return True
        time.sleep(0.05)
    return False


def x_windows(pid):
    """The program's windows on screen as (id, extents); None while it does not
    answer, or has no window at all."""
    global silence
    shown = []
    for window_id in xdotool("search", "--onlyvisible", "--pid", str(pid)):
        # From the X server itself: xdotool counts the window manager's frame in twice.
        try:
            window = x_display.create_resource_object("window", int(window_id))
            size = window.get_geometry()
            origin = x_display.screen().root.translate_coords(window, 0, 0)
            shown.append((int(window_id), (origin.x, origin.y, size.width, size.height)))
        except XError:  # gone meanwhile
            pass
    # Asked on a window on screen, else on one not mapped yet (on a busy machine Wine maps a
    # new window seconds after the program showed it).
    framed = [window_id for window_id in [window_id for window_id, _ in shown] + [
        int(window_id) for window_id in xdotool("search", "--pid", str(pid))]
        if takes_pings(window_id)]
    if not framed and not shown:
        silence = "no window at all"
    elif framed and not answers_ping(framed[0]):
        silence = f"no answer to a ping on {shown or framed[0]}"
    else:
        return shown
    return None


def takes_pings(window_id):
    """A window the window manager frames takes pings; a menu or tooltip need not."""
    try:
        protocols = x_display.create_resource_object("window", window_id).get_wm_protocols()
        return x_display.intern_atom("_NET_WM_PING") in (protocols or [])
    except XError:  # gone meanwhile
        return False


def window_kind(window):
    """main, result, exit or about by the fixed width; message (titled as the program is)
    or popup (a menu or tooltip) otherwise."""
    if window[1][2] in FIXED_WINDOWS:
        return FIXED_WINDOWS[window[1][2]][0]
    title = " ".join(xdotool("getwindowname", str(window[0]))) if X_ONLY else window[0].name
    return "message" if title == "Velloran" else "popup" if not title else "other"


def windows(pid):
    """The program's showing windows with their accessible nodes; None while it
    does not answer on the accessibility bus."""
    if X_ONLY:
        return x_windows(pid)
    try:
        app = find_app(pid, timeout=0)
        return app and [(window, tuple(window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)))
                        for window in showing_windows(app)]
    except Exception:  # a program just starting or ending is not on the bus
        return None


def main_and_result(shown):
    """The main and the result window are both showing."""
    try:
        return len(shown or []) > 1 and {"main", "result"} <= {window_kind(w) for w in shown}
    except Exception:  # a window that went meanwhile is on neither side
        return False


def press_something(shown):
    """Runs the action of a random control, as assistive technology may at any time."""
    try:
        window = rng.choice(shown)[0]
        actionable = [n for n in all_nodes(window, most=400)
                      if showing(n) and n.queryAction().nActions > 0]
        if actionable:
            rng.choice(actionable).queryAction().doAction(0)
    except Exception:  # a control may go while it is pressed; the checks follow
        pass


clipboard_owner = None


def fill_clipboard(text):
    """Puts text on the clipboard or the selection; None leaves both without owner."""
    global clipboard_owner
    if clipboard_owner:
        clipboard_owner.kill()
        clipboard_owner.wait()
        clipboard_owner = None
    if text is not None:
        selection = rng.choice(["clipboard", "primary"])
        clipboard_owner = subprocess.Popen(["xclip", "-quiet", "-selection", selection],
                                           stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL)
        clipboard_owner.stdin.write(text.encode())
        clipboard_owner.stdin.close()


def aimed_point(window, names=None):
    """One of the window's known controls (one of those named, if told) and a point inside
    it; None for a window without them."""
    x, y, width, height = window[1]
    targets = [target for target in TARGETS.get(window_kind(window), [])
               if names is None or target[0] in names]
    if not targets:
        return None
    name, (left, top, across, down), _ = rng.choices(targets, [weight for *_, weight in targets])[0]
    client_top = y + height - FIXED_WINDOWS[width][1]  # below the menu bar
    return name, (x + (left + rng.randrange(across)) // 15,
                  client_top + (top + rng.randrange(down)) // 15)


def act(shown):
    """Does one thing at random; says what."""
    kind = rng.choices(["click", "aim", "choose", "menu", "key", "type", "paste", "close", "press"],
                       [20, 20, 12, 3, 30, 12, 8, 6, 0 if X_ONLY else 14])[0]
    window = rng.choice(shown) if shown else (None, (0, 0, 0, 0))
    x, y, width, height = window[1]
    if kind == "aim" and shown:
        aimed = [aimed_point(window)]
    elif kind == "choose" and shown:
        # The calendar's tab, a year and "Show Pagan Calendar", as a user sets out to see a month.
        aimed = [aimed_point(window, ("Pagan Calendar tab",)),
                 aimed_point(window, ("2006", "2007", "2008")),
                 aimed_point(window, ("Show Pagan Calendar",))]
    else:
        aimed = [None]
    menu_bar = height - FIXED_WINDOWS.get(width, (None, height))[1]
    if kind == "menu" and menu_bar > 0:
        # The first item or the one after the separator of the first menu: on the result
        # window File > Back and File > Exit, on the main window File > Exit.
        item = rng.choice([12, 40])
        xdotool("mousemove", str(x + 15), str(y + menu_bar // 2), "click", "1", "sleep", "0.5",
                "mousemove", str(x + 30), str(y + menu_bar + item), "click", "1")
        return f"menu File, item {'first' if item == 12 else 'after the separator'}"
    if None not in aimed:
        xdotool(*[arg for _, point in aimed
                  for arg in ("mousemove", *map(str, point), "click", "1", "sleep", "0.3")])
        return f"{kind} " + " then ".join(f"{name} {point}" for name, point in aimed)
    if kind in ("click", "aim", "choose", "menu") and width > 0 < height:
        point, button = (x + rng.randrange(width), y + rng.randrange(height)), rng.choice("1111111123")
        xdotool("mousemove", *map(str, point), "click", button)
        return f"click {button} at {point}"
    if kind == "key":
        key = rng.choice(KEYS)
        xdotool("key", key)
        return f"key {key}"
    if kind == "type":
        xdotool("type", "--delay", "5", rng.choice(TEXTS) * rng.choice([1, 1, 3, 20]))
    elif kind == "paste":
        fill_clipboard(rng.choice([None, rng.choice(TEXTS), "x" * rng.choice([500, 40000])]))
        xdotool("key", rng.choice(["ctrl+v", "shift+Insert"]))
    elif kind == "close" and width > 0:
        # A click on the window manager's title bar, just above the window, then its close key.
        xdotool("mousemove", str(x + width // 2), str(max(y - 8, 0)), "click", "1",
                "key", "alt+F4")
    elif kind == "press" and shown:
        press_something(shown)
    return kind


def check_addresses(seen):
    with open(opened_path, encoding="utf-8", errors="replace") as opened:
        addresses = opened.read().splitlines()
    for address in addresses[seen:]:
        parts = urllib.parse.urlsplit(address)
        if (parts.scheme not in ("http", "https") or not parts.netloc
                or not URL_CHARS.match(address) or re.search(r"%(?![0-9A-Fa-f]{2})", address)):
            fail(f"malformed address handed to the browser: {address!r}")
    return len(addresses)


def sanitizer_report():
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return bool(SANITIZER_REPORT.search(log.read()))


app = launch()
deadline = time.time() + float(seconds)
launches, steps, seen, silent_since = 1, 0, 0, None
reached, kinds_before = {}, set()  # how often each kind of window came on screen
print(f"random use: seed {seed}, {seconds} s", flush=True)
shown = None
while time.time() < deadline:
    # Under Wine the X keyboard map that typing changes must not meet a program still loading
    # its libraries (it stalls in the Unix loader), so X input waits for a window.
    kind = act(shown) if shown or not X_ONLY else "wait"
    steps += 1
    recent.append(f"{steps} {kind} ({' '.join(sorted(kinds_before)) or 'no window'})")
    if TRACE:
        print(recent[-1], flush=True)
    time.sleep(rng.choice([0.05, 0.2, 0.5]))
    status = app.poll()
    if status is not None:
        if status != 0:
            fail(f"the program ended with status {status} after step {steps}")
        app, launches, silent_since = launch(), launches + 1, None
        time.sleep(1)
        shown, kinds_before = None, set()
        continue
    shown = windows(app.pid)
    if shown is not None:
        kinds = {window_kind(window) for window in shown}
        for arrived in kinds - kinds_before:
            reached[arrived] = reached.get(arrived, 0) + 1
        kinds_before, silent_since = kinds, None
    elif silent_since is None:
        silent_since = time.time()
    elif time.time() - silent_since > 20:
        fail(f"the program stopped answering after step {steps}: {silence}")
    if sanitizer_report():
        fail(f"sanitizer report after step {steps}")
    if main_and_result(shown):
        time.sleep(0.5)  # one may be on its way out
        if main_and_result(windows(app.pid)):
            fail(f"the main and the result window are both on screen after step {steps}")
    seen = check_addresses(seen)
fill_clipboard(None)
app.kill()
app.wait()
print(f"random use: {steps} actions over {launches} launches, {seen} addresses; windows "
      + ", ".join(f"{kind} {times}" for kind, times in sorted(reached.items())), flush=True)
