// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LogFile.h"

#include <cstdio>
#include <QFile>

// Here the file is Qt's: an open file cannot be renamed or deleted from under
// the log, there is no SIGPIPE, and a write waits in the system.

struct LogFile::Open
{
    QFile file;
};

LogFile::LogFile(const QString& fileName, bool replaces)
    : m_fileName(fileName), m_replaces(replaces)
{}

LogFile::~LogFile() = default;

bool LogFile::letGoIfReplaced()
{
    return false;
}

LogFile::Outcome LogFile::write(const QByteArray& bytes, const std::function<bool()>&)
{
    if (!m_open) {
        auto open = std::make_unique<Open>();
        const auto mode = QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered;
        bool opened = false;
        if (m_fileName == QLatin1String("-")) {
            opened = open->file.open(stdout, mode);
        } else {
            open->file.setFileName(m_fileName);
            opened = open->file.open(mode | (m_replaces ? QIODevice::Truncate : QIODevice::Append));
        }
        if (!opened)
            return {0, open->file.errorString()};
        m_open = std::move(open);
        m_replaces = false;
    }
    const qint64 written = m_open->file.write(bytes);
    if (written == bytes.size())
        return {written, {}};
    return {qMax<qint64>(written, 0), m_open->file.errorString()};
}
