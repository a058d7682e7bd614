// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QWidget;

// The program's one kind of message: modal, OK only, no icon, the program's
// title as caption. An informative text, when given, says more below the
// text (the system's reason for a failure). Returns when the user dismisses it.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(QWidget* parent, const QString& text,
                      const QString& informativeText = QString()) = 0;
};
