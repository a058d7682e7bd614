// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "app/DisplayReach.h"

bool displayMayBeReached(const QStringList& arguments)
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (qEnvironmentVariableIsSet(variable))
            return true;
    }
    // Qt takes its options with one dash or two.
    return arguments.contains(QLatin1String("-platform")) ||
           arguments.contains(QLatin1String("--platform"));
}
