// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/HelpViewer.h"

#include <QStringList>

// Records each document it is asked to show; `starts` false plays a desktop
// with no viewer at all.
class FakeHelpViewer : public HelpViewer
{
public:
    bool showContents(const QString& helpFile) override
    {
        shownFiles.append(helpFile);
        return starts;
    }

    QStringList shownFiles;
    bool starts = true;
};
