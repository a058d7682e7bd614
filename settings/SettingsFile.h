// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

// The settings file as the store may use it: a regular file of text, small
// enough to read at once, or nothing yet. Whatever else the path names (a
// device, a pipe, a socket, a folder, a file of another program's) is looked
// at without waiting on it, and left alone.
namespace SettingsFile {

inline constexpr qint64 MaxSize = 1024 * 1024;

// Where the per-user store keeps its file; empty where the system keeps the
// per-user settings itself.
QString perUserPath(const QString& organisation, const QString& application);

// Why the store must leave the file alone, in words for the user ("it is not
// a regular file"); empty when it may read and write it, or create it.
QString refusal(const QString& path);

// What the path names, seen by the system's own calls.
struct Node
{
    enum class Kind
    {
        Missing, // or out of sight, as behind a folder that cannot be searched
        Regular,
        Folder,
        Other // a device, a pipe, a socket
    };
    explicit Node(Kind kind = Kind::Missing, qint64 size = 0) : kind(kind), size(size) {}

    Kind kind;
    qint64 size;        // of a regular file
    QByteArray content; // of a regular file of at most maxSize bytes, when it can be read
};
// Follows symbolic links, opens nothing but a regular file, and that without
// waiting, and reads no more than maxSize + 1 bytes of it.
Node look(const QString& path, qint64 maxSize);

} // namespace SettingsFile
