#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""Prints what a screen reader finds of one application over AT-SPI: a line
per object that is showing, as role, name and description split by tabs;
with --states, then whether it is enabled and checked ("enabled checked").
    accessible_tree.py [--states] <application name>"""
import sys

import pyatspi

with_states = sys.argv[1] == "--states"
application_name = sys.argv[-1]


def states(node):
    state = node.getState()
    return " ".join(name for name, flag in (("enabled", pyatspi.STATE_ENABLED),
                                             ("checked", pyatspi.STATE_CHECKED))
                    if state.contains(flag))


def walk(node):
    if node.getState().contains(pyatspi.STATE_SHOWING):
        line = f"{node.getRoleName()}\t{node.name}\t{node.description}"
        print(f"{line}\t{states(node)}" if with_states else line)
    for child in node:
        if child is not None:
            walk(child)


for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == application_name:
        for window in application:
            walk(window)
