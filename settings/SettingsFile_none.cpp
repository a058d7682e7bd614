// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsFile.h"

#include <algorithm>
#include <QFile>
#include <QFileInfo>

namespace SettingsFile {

QString perUserPath(const QString&, const QString&)
{
    // The registry, or the system's preferences: no file of the program's.
    return {};
}

Node look(const QString& path, qint64 maxSize)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Node();
    if (info.isDir())
        return Node(Node::Kind::Folder);
    if (!info.isFile())
        return Node(Node::Kind::Other);
    Node node(Node::Kind::Regular, info.size());
    QFile file(path);
    if (node.size <= maxSize && file.open(QIODevice::ReadOnly)) {
        node.content = file.read(maxSize + 1);
        node.size = std::max(node.size, qint64(node.content.size()));
    }
    return node;
}

} // namespace SettingsFile
