#include "settings/QSettingsStore.h"

QSettingsStore::QSettingsStore() : m_settings(QStringLiteral("Quorlin"), QStringLiteral("Quorlin"))
{}

QString QSettingsStore::read(const QString& section, const QString& key) const
{
    // Pick up what another program (or the user's editor) wrote meanwhile.
    m_settings.sync();
    const QVariant value = m_settings.value(section + '/' + key);
    // An unquoted value with commas, typed into the file by hand, comes back
    // as a list; the program's values are single texts.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void QSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    m_settings.setValue(section + '/' + key, value);
    m_settings.sync();
}
