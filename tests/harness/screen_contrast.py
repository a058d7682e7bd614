#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""How well the text in a rectangle of a screenshot can be read: takes the
rectangle's commonest colour for its background and the colour that stands
out most from it for its text, and prints both and their contrast ratio by
the Web Content Accessibility Guidelines (1 to 21).
    screen_contrast.py <image> <x> <y> <width> <height>"""
import collections
import re
import subprocess
import sys

image, x, y, width, height = sys.argv[1:6]
pixels = subprocess.run(["convert", image, "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                         "-depth", "8", "txt:-"], check=True, capture_output=True,
                        text=True).stdout
colours = collections.Counter(re.findall(r"#([0-9A-F]{6})", pixels))


def luminance(hex_colour):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (0, 2, 4))
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def contrast(a, b):
    lighter, darker = sorted((luminance(a), luminance(b)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


background = colours.most_common(1)[0][0]
text = max(colours, key=lambda colour: contrast(colour, background))
print(f"#{background} #{text} {contrast(background, text):.2f}")
