#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""Presses a menu item or a button of one application over AT-SPI, as a
screen reader's user can, without giving the application the keyboard.
    accessible_press.py <application name> <role> <name>
    (role as AT-SPI names it: "menu item", "push button"; a push button is
    "button" in newer AT-SPI, and either name finds it in both)"""
import sys

import pyatspi

application_name, role, name = sys.argv[1:4]
SAME_ROLE = {"push button": "button"}


def same_role(a, b):
    return SAME_ROLE.get(a, a) == SAME_ROLE.get(b, b)


def find(node):
    if same_role(node.getRoleName(), role) and node.name == name:
        return node
    for child in node:
        found = find(child) if child is not None else None
        if found:
            return found
    return None


for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == application_name:
        item = find(application)
        if item:
            actions = item.queryAction()
            sys.exit(0 if actions.doAction(0) else 1)
sys.exit(f"no {role} {name!r} in {application_name}")
