// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/HelpViewer.h"

// Shows an HTML help document in whatever the desktop opens local files with.
class DesktopHelpViewer : public HelpViewer
{
public:
    bool showContents(const QString& helpFile) override;
};
