#pragma once

#include "settings/SettingsStore.h"

#include <QMap>
#include <QPair>
#include <QStringList>

// An in-memory store that remembers the order of its writes.
class FakeSettingsStore : public SettingsStore
{
public:
    QString read(const QString& section, const QString& key) const override
    {
        return values.value({section, key});
    }
    void write(const QString& section, const QString& key, const QString& value) override
    {
        values[{section, key}] = value;
        writes.append(section + '/' + key + '=' + value);
    }

    QMap<QPair<QString, QString>, QString> values;
    QStringList writes; // "Section/Key=value", oldest first
};
