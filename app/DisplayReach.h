// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

// Whether Qt could open its platform for this run with these arguments.
// Where it cannot (no display named on X11 or Wayland), Qt ends the program
// before anything else is told.
bool displayMayBeReached(const QStringList& arguments);
