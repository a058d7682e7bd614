#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""Prints what a screen reader is told takes the keyboard over AT-SPI, a line
per object that gains the focus: its role and name, split by a tab. Prints
"listening" first, once it is registered. Reaches the items of menus that
no window lists, as a text box's context menu."""
import pyatspi


def focused(event):
    if event.detail1:
        print(f"{event.source.getRoleName()}\t{event.source.name}", flush=True)


pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
print("listening", flush=True)
pyatspi.Registry.start()
