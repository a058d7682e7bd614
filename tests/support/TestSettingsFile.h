// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

// The per-user settings file of a test program. CTest points XDG_CONFIG_HOME
// at a folder of the test's own, so the real settings are never touched.
namespace TestSettingsFile {

// The file's path, its folder made; empty when XDG_CONFIG_HOME is unset or
// names the real settings folder.
inline QString path()
{
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty() || home.startsWith(QDir::homePath() + "/.config"))
        return {};
    QDir().mkpath(home + "/Quorlin");
    return home + "/Quorlin/Quorlin.conf";
}

inline void write(const QString& file, const QByteArray& content)
{
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(content), content.size());
}

inline QByteArray read(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace TestSettingsFile
