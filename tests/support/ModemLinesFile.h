// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

// The file from which the preloaded modem-lines library answers: the words
// RTS DTR CTS CD DSR RI, present for a line that is asserted. Only one per
// process, as the library reads one.
class ModemLinesFile
{
public:
    ModemLinesFile() { qputenv("QUORLIN_MODEM_LINES", path().toLocal8Bit()); }
    ~ModemLinesFile() { qunsetenv("QUORLIN_MODEM_LINES"); }

    QString path() const { return m_dir.filePath(QStringLiteral("lines")); }

    // Whole, never half written, as the library may read it at any time.
    bool write(const QByteArray& lines)
    {
        QSaveFile file(path());
        return file.open(QIODevice::WriteOnly) && file.write(lines) == lines.size() &&
               file.commit();
    }
    QByteArray read() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll().simplified() : QByteArray();
    }
    // With no file, the lines go unanswered, as on a plain pseudo-terminal.
    void remove() { QFile::remove(path()); }

private:
    QTemporaryDir m_dir;
};
