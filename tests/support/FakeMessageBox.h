#pragma once

#include "platform/MessageBox.h"

#include <QStringList>
#include <functional>

// Records each message instead of showing it; `whileShown` runs where the
// real box would wait for the user.
class FakeMessageBox : public MessageBox
{
public:
    void show(QWidget*, const QString& text) override
    {
        texts.append(text);
        if (whileShown)
            whileShown();
    }

    QStringList texts;
    std::function<void()> whileShown;
};
