#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""Reads a screenshot of the timeline and prints its level lines, top to
bottom: one line per band of rows drawn in the high (green) or the low (red)
colour, as "green 120-480 530-700": the colour, then the runs of columns it
covers (gaps of a few pixels, where an edge or a pulse crosses, are closed).

    trace_bands.py <image.png>
"""
import subprocess
import sys

COLOURS = {"#1CAF1C": "green", "#BE0068": "red"}
GAP = 4


def pixels(image):
    dump = subprocess.run(["convert", image, "txt:-"], check=True, capture_output=True,
                          text=True).stdout
    for line in dump.splitlines()[1:]:
        where, _, rest = line.partition(":")
        colour = next((name for hex_, name in COLOURS.items() if hex_ in rest.upper()), None)
        if colour:
            x, y = map(int, where.split(","))
            yield x, y, colour


def runs(columns):
    out = []
    for x in sorted(columns):
        if out and x - out[-1][1] <= GAP:
            out[-1][1] = x
        else:
            out.append([x, x])
    return out


def main():
    rows = {}
    for x, y, colour in pixels(sys.argv[1]):
        rows.setdefault((y, colour), set()).add(x)
    # A band is a few neighbouring rows of one colour; short stray runs (the
    # legend of a tool tip, say) are not level lines.
    bands = []
    for (y, colour), columns in sorted(rows.items()):
        if len(columns) < 20:
            continue
        if bands and bands[-1][1] == colour and y - bands[-1][0] <= 1:
            bands[-1][0] = y
            bands[-1][2] |= columns
        else:
            bands.append([y, colour, set(columns)])
    for _, colour, columns in bands:
        print(colour, " ".join(f"{a}-{b}" for a, b in runs(columns)))


if __name__ == "__main__":
    main()
