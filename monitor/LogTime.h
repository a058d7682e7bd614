// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDateTime>
#include <QString>

// A moment as the logs write it: ISO 8601, local time, to the millisecond.
inline QString logTime(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"));
}
