#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""Prints where a screen reader finds the objects of one application on the
screen, over AT-SPI: a line per object that is showing, as role, name and
extents (x,y,width,height in screen pixels) split by tabs; for an object with
text, then where its first character starts and its last one ends (x,x).
With --activate NAME, first does the default action of the menu item NAME,
whether or not its menu is open.
    accessible_extents.py [--activate NAME] <application name>"""
import sys

import pyatspi

application_name = sys.argv[-1]
activate = sys.argv[2] if sys.argv[1] == "--activate" else None


def text_span(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    if text.characterCount == 0:
        return None
    first = text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
    last = text.getCharacterExtents(text.characterCount - 1, pyatspi.DESKTOP_COORDS)
    return f"{first[0]},{last[0] + last[2]}"


def walk(node, found):
    if node.getState().contains(pyatspi.STATE_SHOWING):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        line = f"{node.getRoleName()}\t{node.name}\t{box.x},{box.y},{box.width},{box.height}"
        span = text_span(node)
        found.append(f"{line}\t{span}" if span else line)
    if activate and node.getRoleName() == "menu item" and node.name == activate:
        node.queryAction().doAction(0)
    for child in node:
        if child is not None:
            walk(child, found)


lines = []
for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == application_name:
        for window in application:
            walk(window, lines)
if not activate:
    print("\n".join(lines))
