// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/PlatformChoice.h"

namespace PlatformChoice {

bool namedIn(const QStringList& arguments)
{
    // Qt takes its options with one dash or two.
    return arguments.contains(QLatin1String("-platform")) ||
           arguments.contains(QLatin1String("--platform"));
}

QString whenUnchosen(const QProcessEnvironment& environment, const QStringList& arguments)
{
    const auto isSet = [&environment](const char* name) {
        return !environment.value(QString::fromLatin1(name)).isEmpty();
    };
    if (isSet("QT_QPA_PLATFORM") || namedIn(arguments))
        return {};
    if (isSet("WAYLAND_DISPLAY") && isSet("DISPLAY"))
        return QStringLiteral("xcb");
    return {};
}

} // namespace PlatformChoice
