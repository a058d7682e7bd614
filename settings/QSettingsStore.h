// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsStore.h"

#include <memory>
#include <optional>
#include <QCoreApplication>
#include <QMap>
#include <QSettings>

// The per-user store of the platform: organisation and application
// "Quorlin"; on Linux the file $XDG_CONFIG_HOME/Quorlin/Quorlin.conf.
// A file that is no settings file (a device, a pipe, a folder, a file of
// binary or of many megabytes) is left alone: the store keeps its values in
// memory, and each write fails as a write to a read-only file does.
class QSettingsStore : public SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(QSettingsStore)

public:
    QSettingsStore();
    // An INI file of the user's choosing instead, created at the first write.
    explicit QSettingsStore(const QString& file);

    // The text the user wrote in the file, as far as the INI reader leaves it
    // recoverable: values it turns into lists or typed values come back as text.
    QString read(const QString& section, const QString& key) const override;
    // Each write goes to disk at once, so a choice survives a run that never
    // reaches an orderly exit, and is checked: a write that does not reach
    // the file is reported, kept, and tried again with the next write. A value
    // the store already holds is not written again.
    void write(const QString& section, const QString& key, const QString& value) override;
    // Checked, and kept for the next write, as a write is.
    void remove(const QString& section, const QString& key) override;

private:
    // Looks at the file, and opens it unless it is to be left alone.
    void reopen();
    // Writes a value, or removes the key for nullopt, and syncs the file.
    void save(const QString& name, const std::optional<QString>& value);
    QString whyUnwritable() const;
    QString fileName() const;

    bool m_perUser = false;
    // The file looked at before QSettings reads it; empty where the per-user
    // store is no file.
    QString m_file;
    std::unique_ptr<QSettings> m_settings; // none while the file is left alone
    QString m_refusal;                     // why it is left alone
    // Writes that have not reached the file yet; nullopt for a removal.
    QMap<QString, std::optional<QString>> m_unsaved;
};
