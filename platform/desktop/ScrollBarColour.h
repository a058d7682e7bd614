// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>

// The colour the desktop draws scroll bars in, which the lamps' boxes take.
QColor scrollBarColour();
