// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/QSettingsStore.h"

#include "settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QRect>
#include <QSaveFile>
#include <QSize>

namespace {

const QString Organisation = QStringLiteral("Quorlin");
const QString Application = QStringLiteral("Quorlin");

// QSettings parses some hand-written text as something else: a value with
// commas as a list, "@Type(...)" as a typed value. The program's values are
// texts, so give back the text that was written, where it can be told.
QString asText(const QVariant& value, bool present)
{
    switch (value.typeId()) {
    case QMetaType::QStringList:
        return value.toStringList().join(',');
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(%1)").arg(QString::fromUtf8(value.toByteArray()));
    case QMetaType::QSize: {
        const QSize size = value.toSize();
        return QStringLiteral("@Size(%1 %2)").arg(size.width()).arg(size.height());
    }
    case QMetaType::QPoint: {
        const QPoint point = value.toPoint();
        return QStringLiteral("@Point(%1 %2)").arg(point.x()).arg(point.y());
    }
    case QMetaType::QRect: {
        const QRect rect = value.toRect();
        return QStringLiteral("@Rect(%1 %2 %3 %4)")
            .arg(rect.x())
            .arg(rect.y())
            .arg(rect.width())
            .arg(rect.height());
    }
    case QMetaType::UnknownType:
        return present ? QStringLiteral("@Invalid()") : QString();
    default:
        return value.toString();
    }
}

// The file as the user knows it: ~/.config/... rather than /home/name/.config/...
QString shownPath(const QString& path)
{
    const QString home = QDir::homePath() + '/';
    return path.startsWith(home) ? QStringLiteral("~/") + path.mid(home.size())
                                 : QDir::toNativeSeparators(path);
}

} // namespace

QSettingsStore::QSettingsStore()
    : m_perUser(true), m_file(SettingsFile::perUserPath(Organisation, Application))
{
    reopen();
}

QSettingsStore::QSettingsStore(const QString& file) : m_file(file)
{
    reopen();
}

void QSettingsStore::reopen()
{
    // QSettings reads the file as it opens it: a pipe would keep it waiting,
    // a device or a file of binary would be rewritten by the first write.
    m_settings.reset();
    m_refusal = m_file.isEmpty() ? QString() : SettingsFile::refusal(m_file);
    if (!m_refusal.isEmpty())
        return;
    m_settings = m_perUser ? std::make_unique<QSettings>(Organisation, Application)
                           : std::make_unique<QSettings>(m_file, QSettings::IniFormat);
    for (auto unsaved = m_unsaved.cbegin(); unsaved != m_unsaved.cend(); ++unsaved) {
        if (unsaved.value())
            m_settings->setValue(unsaved.key(), *unsaved.value());
        else
            m_settings->remove(unsaved.key());
    }
}

QString QSettingsStore::read(const QString& section, const QString& key) const
{
    if (!m_settings)
        return m_unsaved.value(section + '/' + key).value_or(QString());
    // Pick up what another program (or the user's editor) wrote meanwhile.
    m_settings->sync();
    const QString name = section + '/' + key;
    return asText(m_settings->value(name), m_settings->contains(name));
}

void QSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    const QString name = section + '/' + key;
    // Writing what the file already says would only rewrite it, and with it
    // every hand-written value the INI writer cannot give back as written.
    if (m_settings && m_unsaved.isEmpty() && m_settings->contains(name) &&
        read(section, key) == value)
        return;

    save(name, value);
}

void QSettingsStore::remove(const QString& section, const QString& key)
{
    save(section + '/' + key, std::nullopt);
}

void QSettingsStore::save(const QString& name, const std::optional<QString>& value)
{
    // QSettings keeps the first error it meets for good, so after a failure a
    // fresh object, given the values still unsaved, tells whether this write
    // gets through; a file left alone is looked at again.
    if (!m_settings || !m_unsaved.isEmpty())
        reopen();
    if (m_settings) {
        if (value)
            m_settings->setValue(name, *value);
        else
            m_settings->remove(name);
        m_settings->sync();
        if (m_settings->status() == QSettings::NoError) {
            m_unsaved.clear();
            saveSucceeded();
            return;
        }
    }
    m_unsaved.insert(name, value);
    failToSave(tr("The settings could not be saved to %1: %2")
                   .arg(shownPath(fileName()), m_settings ? whyUnwritable() : m_refusal));
}

QString QSettingsStore::fileName() const
{
    return m_settings ? m_settings->fileName() : m_file;
}

QString QSettingsStore::whyUnwritable() const
{
    // QSettings tells only that it failed.
    const QString path = m_settings->fileName();
    if (const QString refusal = SettingsFile::refusal(path); !refusal.isEmpty())
        return refusal;
    const QFileInfo file(path);
    const QFileInfo folder(file.path());
    if (folder.exists() && !folder.isDir())
        return tr("%1 is not a folder").arg(shownPath(folder.filePath()));
    if (file.exists() && !file.isWritable())
        return tr("the file is read-only");
    // Trying the same kind of write, to a file that is never committed, tells the rest.
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.cancelWriting();
    return tr("the file could not be written");
}
