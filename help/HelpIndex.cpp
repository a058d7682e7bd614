// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "help/HelpIndex.h"

#include "AppIdentity.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString helpIndexFile(const QString& applicationDir)
{
    // The build tree keeps the help at the same place relative to the
    // executable as the install prefix does, so one lookup serves both.
    return QDir::cleanPath(QDir(applicationDir).filePath(QStringLiteral(QUORLIN_HELP_FROM_BINDIR)));
}

void showHelpFile(const QString& helpFile, HelpViewer& viewer, MessageBox& messages,
                  QWidget* parent)
{
    const QString shownPath = QDir::toNativeSeparators(helpFile);
    // A viewer handed a missing file may show an empty page or nothing at
    // all, which would leave the user guessing.
    if (!QFileInfo(helpFile).isFile()) {
        messages.show(parent,
                      QCoreApplication::translate(
                          "HelpIndex", "The help file %1 is missing. Reinstall %2 to restore it.")
                          .arg(shownPath, AppIdentity::title()));
        return;
    }
    if (!viewer.showContents(helpFile))
        messages.show(parent,
                      QCoreApplication::translate(
                          "HelpIndex", "No program could be started to show the help file %1. "
                                       "Install a web browser, or open the file in one yourself.")
                          .arg(shownPath));
}
