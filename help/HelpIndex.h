// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class HelpViewer;
class MessageBox;
class QWidget;

// The help document that ships with the program whose executable lies in
// `applicationDir`.
QString helpIndexFile(const QString& applicationDir);

// Hands `helpFile` to the viewer at its contents page; when the file is
// missing or no viewer starts, the message box says so.
void showHelpFile(const QString& helpFile, HelpViewer& viewer, MessageBox& messages,
                  QWidget* parent);
