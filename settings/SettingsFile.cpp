// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace SettingsFile {

namespace {

// What QSettings writes, and what an editor keeps of it: UTF-8 without NULs.
// Anything else would come back from QSettings re-encoded.
bool isText(const QByteArray& content)
{
    if (content.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = utf8.decode(content);
    return !utf8.hasError();
}

} // namespace

QString refusal(const QString& path)
{
    const Node node = look(path, MaxSize);
    switch (node.kind) {
    case Node::Kind::Missing:
        return {};
    case Node::Kind::Folder:
        return QCoreApplication::translate("SettingsFile", "it is a folder");
    case Node::Kind::Other:
        return QCoreApplication::translate("SettingsFile", "it is not a regular file");
    case Node::Kind::Regular:
        break;
    }
    if (node.size > MaxSize)
        return QCoreApplication::translate("SettingsFile", "it is larger than 1 MiB");
    if (!isText(node.content))
        return QCoreApplication::translate("SettingsFile", "it is not UTF-8 text");
    return {};
}

} // namespace SettingsFile
