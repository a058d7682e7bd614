// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/FailureLatch.h"

#include <QObject>
#include <QString>

// The per-user store the program keeps its values in. Every value is text,
// addressed by section and key; the application name is the store's own.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    // A key that was never written reads as the empty string.
    virtual QString read(const QString& section, const QString& key) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    // Takes the key out of the store, so that it reads empty again.
    virtual void remove(const QString& section, const QString& key) = 0;

signals:
    // A write did not reach the store; `message` is for the user. Told once,
    // and not again until a write has succeeded.
    void saveFailed(const QString& message);

protected:
    void saveSucceeded() { m_latch.succeeded(); }
    void failToSave(const QString& message)
    {
        if (m_latch.failed())
            emit saveFailed(message);
    }

private:
    FailureLatch m_latch;
};
