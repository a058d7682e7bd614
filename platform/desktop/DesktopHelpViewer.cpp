// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/DesktopHelpViewer.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopHelpViewer::showContents(const QString& helpFile)
{
    // The document opens on its contents list, so the file itself is the
    // contents page. A #fragment is left off because xdg-open cannot open
    // file URLs that carry one.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
}
