// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSize>

class QCheckBox;
class QPushButton;

// How wide a push button must be for the desktop's style to draw all of its
// caption: the caption inside the style's frame and padding.
int pushButtonWidthFor(const QPushButton& button);

// The size the desktop's style draws a check box's indicator in.
QSize checkIndicatorSize(const QCheckBox& box);
