// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/ProgramLauncher.h"

// Programs on the local file system, started through QProcess.
class QtProgramLauncher : public ProgramLauncher
{
public:
    bool isOrdinaryFile(const QString& path) const override;
    bool start(const QString& path) override;
};
