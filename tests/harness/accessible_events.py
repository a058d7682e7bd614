#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""Prints the description changes a screen reader is told of over AT-SPI, a
line per change: the object's name and its new description, split by a tab.
Prints "listening" first, once it is registered."""
import pyatspi


def changed(event):
    print(f"{event.source.name}\t{event.source.description}", flush=True)


pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-description")
print("listening", flush=True)
pyatspi.Registry.start()
