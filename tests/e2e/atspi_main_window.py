#!/usr/bin/python3
"""Reads the running program through the accessibility bus, as a screen reader
does, and operates a page tab and a link through their actions."""
import time

import pyatspi

from atspi_common import all_nodes, check, find_app, press, showing

app = find_app("velloran")
nodes = all_nodes(app)
frames = [n for n in nodes if n.getRole() == pyatspi.ROLE_FRAME and n.name == "Velloran v1.95"]
check(frames, "no frame named 'Velloran v1.95'")

tabs = [n for n in nodes if n.getRole() == pyatspi.ROLE_PAGE_TAB and showing(n)]
tab_names = [n.name for n in tabs]
for caption in ("Pagan Calendar", "Pagan Information", "Pagan Festive Seasons",
                "Pagan Elements", "Pagan Gods", "Pagan Goddesses"):
    check(caption in tab_names, f"no page tab '{caption}' in {tab_names}")

menus = [n.name for n in nodes if n.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU)]
for caption in ("File", "Help", "Donate", "Make Money Online"):
    check(caption in menus, f"no menu item '{caption}' in {menus}")

links = [n for n in nodes if n.getRole() == pyatspi.ROLE_LINK and showing(n)]
link_names = [n.name for n in links]
check(any(name.startswith("The Most Popular Online Quillmere") for name in link_names),
      f"the forum banner is not a link: {link_names}")
outreach = [n for n in links if n.name.startswith(("Home Business", "Co-brand"))]
check(len(outreach) == 1, f"not exactly one outreach link showing: {link_names}")

gods = next(n for n in tabs if n.name == "Pagan Gods")
press(gods)
time.sleep(0.5)
check(gods.getState().contains(pyatspi.STATE_SELECTED), "the Pagan Gods tab was not selected")

press(outreach[0])
print("accessible: " + outreach[0].name[:20])
