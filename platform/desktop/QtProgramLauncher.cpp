// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/QtProgramLauncher.h"

#include <QFileInfo>
#include <QProcess>

bool QtProgramLauncher::isOrdinaryFile(const QString& path) const
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool QtProgramLauncher::start(const QString& path)
{
    // The path is the program itself, never a command line to split.
    return QProcess::startDetached(path, {});
}
