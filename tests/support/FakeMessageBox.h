// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/MessageBox.h"

#include <functional>
#include <QStringList>

// Records each message instead of showing it; `whileShown` runs where the
// real box would wait for the user.
class FakeMessageBox : public MessageBox
{
public:
    void show(QWidget*, const QString& text, const QString& informativeText) override
    {
        texts.append(text);
        informativeTexts.append(informativeText);
        if (whileShown)
            whileShown();
    }

    QStringList texts;
    QStringList informativeTexts;
    std::function<void()> whileShown;
};
