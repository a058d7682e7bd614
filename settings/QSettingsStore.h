#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>

// The per-user store of the platform: organisation and application
// "Quorlin"; on Linux the file $XDG_CONFIG_HOME/Quorlin/Quorlin.conf.
class QSettingsStore : public SettingsStore
{
public:
    QSettingsStore();

    QString read(const QString& section, const QString& key) const override;
    // Each write goes to disk at once, so a choice survives a run that never
    // reaches an orderly exit. A store that cannot be written is left as is.
    void write(const QString& section, const QString& key, const QString& value) override;

private:
    mutable QSettings m_settings;
};
