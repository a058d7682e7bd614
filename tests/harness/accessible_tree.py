#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""Prints what a screen reader finds of one application over AT-SPI: a line
per object that is showing, as role, name and description split by tabs.
    accessible_tree.py <application name>"""
import sys

import pyatspi


def walk(node):
    if node.getState().contains(pyatspi.STATE_SHOWING):
        print(f"{node.getRoleName()}\t{node.name}\t{node.description}")
    for child in node:
        if child is not None:
            walk(child)


for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == sys.argv[1]:
        for window in application:
            walk(window)
