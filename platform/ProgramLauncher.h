// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Finds and starts other programs by path: never through a shell and never
// by splitting a command line, so a path with blanks starts what it names.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    // True for an existing ordinary file: not a folder, not a hidden file.
    virtual bool isOrdinaryFile(const QString& path) const = 0;
    // Starts the program detached, shown normally; false when it cannot start.
    virtual bool start(const QString& path) = 0;
};
