// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcessEnvironment>
#include <QStringList>

namespace PlatformChoice {

// Whether the command line names Qt's platform plug-in (-platform NAME, also
// with two dashes).
bool namedIn(const QStringList& arguments);

// The platform plug-in to start on when the user chose none, neither in
// QT_QPA_PLATFORM nor with -platform: "xcb" in a Wayland session that also
// offers Xwayland (DISPLAY set), where the window goes back where it was and
// can be kept above others. Empty otherwise, for Qt's own choice.
QString whenUnchosen(const QProcessEnvironment& environment, const QStringList& arguments);

} // namespace PlatformChoice
