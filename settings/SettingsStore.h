#pragma once

#include <QString>

// The per-user store the program keeps its values in. Every value is text,
// addressed by section and key; the application name is the store's own.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // A key that was never written reads as the empty string.
    virtual QString read(const QString& section, const QString& key) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
};
