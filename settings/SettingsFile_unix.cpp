// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace SettingsFile {

QString perUserPath(const QString& organisation, const QString& application)
{
    // Where QSettings puts the file of an organisation and application.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
           organisation + '/' + application + QStringLiteral(".conf");
}

Node look(const QString& path, qint64 maxSize)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0)
        return Node();
    if (S_ISDIR(status.st_mode))
        return Node(Node::Kind::Folder);
    if (!S_ISREG(status.st_mode))
        return Node(Node::Kind::Other);
    Node node(Node::Kind::Regular, status.st_size);
    if (node.size > maxSize)
        return node;

    // Swapped for a pipe since the stat, the path must not keep the open waiting.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return node; // unreadable: QSettings cannot read it either
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Node(Node::Kind::Other);
    }
    node.content.resize(maxSize + 1);
    qint64 filled = 0;
    while (filled < node.content.size()) {
        const ssize_t got = ::read(fd, node.content.data() + filled,
                                   static_cast<size_t>(node.content.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += got;
    }
    ::close(fd);
    node.content.truncate(filled);
    // Grown since the stat, it is still too large.
    node.size = std::max(node.size, filled);
    return node;
}

} // namespace SettingsFile
