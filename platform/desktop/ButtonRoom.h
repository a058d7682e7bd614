// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

class QPushButton;

// How wide a push button must be for the desktop's style to draw all of its
// caption: the caption inside the style's frame and padding.
int pushButtonWidthFor(const QPushButton& button);
