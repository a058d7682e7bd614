// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

class QLineEdit;

// How wide a text box must be to show all of its text without scrolling,
// in the desktop's style: the text, the style's frame and padding, Qt's own
// margin and the cursor.
int textBoxWidthFor(const QLineEdit& box);
