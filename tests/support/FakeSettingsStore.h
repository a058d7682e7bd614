// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsStore.h"

#include <QMap>
#include <QPair>
#include <QStringList>

// An in-memory store that remembers the order of its writes, and can be made
// to refuse them as a read-only file would.
class FakeSettingsStore : public SettingsStore
{
public:
    QString read(const QString& section, const QString& key) const override
    {
        return values.value({section, key});
    }
    void write(const QString& section, const QString& key, const QString& value) override
    {
        writes.append(section + '/' + key + '=' + value);
        if (refusesWrites) {
            failToSave(QStringLiteral("The settings could not be saved to the store"));
            return;
        }
        values[{section, key}] = value;
        saveSucceeded();
    }
    void remove(const QString& section, const QString& key) override
    {
        writes.append(section + '/' + key + " removed");
        if (refusesWrites) {
            failToSave(QStringLiteral("The settings could not be saved to the store"));
            return;
        }
        values.remove({section, key});
        saveSucceeded();
    }

    QMap<QPair<QString, QString>, QString> values;
    QStringList
        writes; // "Section/Key=value" or "Section/Key removed", oldest first, refused ones too
    bool refusesWrites = false;
};
