# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the running window's accessibility tree as a screen reader sees it, through AT-SPI.

Fails on a tab that is not a page tab, a focusable or actionable control without a name, a
dialog without a name and a dialog button that cannot take the focus. Usage:
accessibility_tree.py APPLICATION_NAME
"""
import sys
import time

import pyatspi

TIMEOUT = 30.0
# Controls a user acts on; containers without a state of their own are passed over.
CONTAINER_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_VIEWPORT,
                   pyatspi.ROLE_UNKNOWN}

failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message, file=sys.stderr)


def wait_for(condition, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        try:
            value = condition()
        except Exception:  # the tree changes under us while the window builds
            value = None
        if value:
            return value
        time.sleep(0.05)
    raise SystemExit("timed out waiting for " + what)


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def actions(node):
    try:
        action = node.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        return []


def describe(node):
    path = []
    while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
        path.append("%s '%s'" % (node.getRoleName(), node.name))
        node = node.parent
    return " < ".join(path)


HEADER_ROLES = {pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_COLUMN_HEADER}


def check_names(root, where):
    for node in walk(root):
        # A hidden column is still listed by its header.
        if node.getRole() in HEADER_ROLES and not node.name.strip():
            fail("%s: unnamed column header (%s)" % (where, describe(node)))
        if not showing(node):
            continue
        if node.getRole() == pyatspi.ROLE_LABEL and not node.name.strip():
            fail("%s: unnamed label (%s)" % (where, describe(node)))
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        acting = [name for name in actions(node) if name not in ("SetFocus", "setFocus")]
        if (focusable or acting) and node.getRole() not in CONTAINER_ROLES and not node.name.strip():
            fail("%s: unnamed %s (%s)" % (where, node.getRoleName(), describe(node)))


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.name == name:
            return app
    return None


def top_levels(app):
    return [window for window in children(app) if window is not None]


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click"):
            action.doAction(i)
            return
    raise SystemExit("no press action on " + describe(node))


def check_main_window(app):
    window = wait_for(lambda: next((w for w in top_levels(app) if w.getRole() == pyatspi.ROLE_FRAME), None),
                      "the main window as a frame")
    if not window.name.strip():
        fail("the main window has no name")
    lists = [n for n in walk(window) if n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST]
    tabs = [n for n in walk(window) if n.getRole() == pyatspi.ROLE_PAGE_TAB]
    if len(lists) != 1 or len(tabs) != 4:
        fail("expected one page tab list with four page tabs, found %d lists and %d tabs" % (len(lists), len(tabs)))
    for node in walk(window):
        if node.getRole() == pyatspi.ROLE_CHECK_BOX and node.name in ("LIGHTING", "CUSTOMIZE", "DPI", "MACRO"):
            fail("the tab '%s' reads as a check box" % node.name)
    for tab in tabs:
        press(tab)
        wait_for(lambda: tab.getState().contains(pyatspi.STATE_SELECTED), "tab '%s' selected" % tab.name)
        check_names(window, "tab " + tab.name)
        if tab.name == "DPI":
            check_dpi_sliders(window)
    return window


def check_dpi_sliders(window):
    sliders = [n for n in walk(window) if n.getRole() == pyatspi.ROLE_SLIDER and showing(n)
               and n.name.startswith("Stage")]
    if not sliders:
        fail("the DPI page shows no slider")
    for slider in sliders:
        value = slider.queryValue()
        # Sensor steps start at 0 or 1; DPI at 50 and more.
        if value.minimumValue < 50 or not value.minimumValue <= value.currentValue <= value.maximumValue:
            fail("slider '%s' reports %s in [%s..%s], not DPI" % (slider.name, value.currentValue,
                                                                  value.minimumValue, value.maximumValue))


def check_dialog(app, window, button_name):
    button = next((n for n in walk(window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == button_name
                   and showing(n)), None)
    if button is None:
        fail("no button '%s'" % button_name)
        return
    before = set(id(w) for w in top_levels(app))
    press(button)
    dialog = wait_for(lambda: next((w for w in top_levels(app)
                                    if w.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and showing(w)), None),
                      "the box '%s' opens" % button_name)
    del before
    if not dialog.name.strip():
        fail("the box of '%s' has no name" % button_name)
    buttons = [n for n in walk(dialog) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(n)]
    if not buttons:
        fail("the box of '%s' has no button" % button_name)
    for node in buttons:
        if not node.getState().contains(pyatspi.STATE_FOCUSABLE):
            fail("the box of '%s': button '%s' cannot take the focus" % (button_name, node.name))
    check_names(dialog, "box of " + button_name)
    refuse = next((n for n in buttons if n.name in ("No", "Cancel", "Ok", "OK")), buttons[-1])
    press(refuse)
    wait_for(lambda: not any(w.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and showing(w)
                             for w in top_levels(app)), "the box of '%s' closes" % button_name)


def check_demo_panel(app):
    panel = wait_for(lambda: next((w for w in top_levels(app) if w.name == "Virtual mouse"), None), "the demo panel")
    if panel.getRole() != pyatspi.ROLE_FRAME:
        fail("the demo panel reads as %s, not as a frame" % panel.getRoleName())
    check_names(panel, "demo panel")


def main():
    app = wait_for(lambda: find_application(sys.argv[1]), "the application on the accessibility bus")
    window = check_main_window(app)
    check_demo_panel(app)
    for button_name in ("Reset All", "DELETE", "RESET"):
        check_dialog(app, window, button_name)
    if failures:
        print("%d accessibility failures" % len(failures), file=sys.stderr)
        return 1
    print("accessibility tree: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
