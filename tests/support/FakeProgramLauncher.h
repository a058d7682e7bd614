// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/ProgramLauncher.h"

#include <QSet>
#include <QStringList>

// A file system of named files and a process table that records starts: only
// the paths in `startable` start.
class FakeProgramLauncher : public ProgramLauncher
{
public:
    bool isOrdinaryFile(const QString& path) const override
    {
        fileTests.append(path);
        return files.contains(path);
    }
    bool start(const QString& path) override
    {
        attempts.append(path);
        if (!startable.contains(path))
            return false;
        started.append(path);
        return true;
    }

    QSet<QString> files;
    QSet<QString> startable;
    mutable QStringList fileTests;
    QStringList attempts; // every path asked to start
    QStringList started;  // those that did
};
