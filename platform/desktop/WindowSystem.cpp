// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/WindowSystem.h"

WindowSystem windowSystemOf(QStringView platformName)
{
    if (platformName.startsWith(u"wayland"))
        return {.reportsPosition = false, .keepsAbove = false};
    return {};
}
