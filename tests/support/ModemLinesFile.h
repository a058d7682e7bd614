// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFile>
#include <QSaveFile>
#include <QSignalSpy>
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
    // Changes the lines to `changed` and back until `told` has caught a
    // signal: a change made while a watch is still on its way into the
    // kernel's wait is the state it starts from, as with the kernel's wait.
    bool changeUntilTold(const QByteArray& changed, QSignalSpy& told)
    {
        for (int i = 0; told.isEmpty() && i < 50; ++i) {
            if (!write(i % 2 ? QByteArray() : changed))
                return false;
            told.wait(100);
        }
        return !told.isEmpty();
    }
    // With no file, the lines go unanswered, as on a plain pseudo-terminal.
    void remove() { QFile::remove(path()); }

private:
    QTemporaryDir m_dir;
};
