// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Shows a help document in the system's viewer, at its contents page.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    // False when no viewer could be started at all.
    virtual bool showContents(const QString& helpFile) = 0;
};
