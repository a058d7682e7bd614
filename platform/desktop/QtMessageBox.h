// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/MessageBox.h"

class QtMessageBox : public MessageBox
{
public:
    // Every box bears `caption`: the program's title, as main() wires it.
    explicit QtMessageBox(QString caption);

    void show(QWidget* parent, const QString& text,
              const QString& informativeText = QString()) override;

private:
    QString m_caption;
};
