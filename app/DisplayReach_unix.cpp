// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "app/DisplayReach.h"
#include "platform/desktop/PlatformChoice.h"

bool displayMayBeReached(const QStringList& arguments)
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (qEnvironmentVariableIsSet(variable))
            return true;
    }
    return PlatformChoice::namedIn(arguments);
}
