// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/SystemRegistry.h"

#include <algorithm>
#include <QStandardPaths>

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolValue = QStringLiteral("PATH");

// The one key this registry has. Any value but zero serves as its handle.
constexpr Registry::Key ToolKeyHandle = 1;

QString firstInstalledTool()
{
    for (const QString& tool : SystemRegistry::InfoTools) {
        const QString path = QStandardPaths::findExecutable(tool);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

// Graphical tools that show the machine's hardware and system: KDE's Info
// Center, the GTK system profilers HardInfo2 and its predecessor HardInfo,
// and the hardware viewers CPU-X and I-Nex. Each starts without arguments.
const QStringList SystemRegistry::InfoTools = {
    QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
    QStringLiteral("cpu-x"),       QStringLiteral("i-nex"),
};

Registry::Status SystemRegistry::openKey(Key root, const QString& path, quint32, quint32, Key& key)
{
    // Key names, like the platform's, ignore case.
    if (root != LocalMachine || path.compare(ToolKey, Qt::CaseInsensitive) != 0)
        return FileNotFound;
    key = ToolKeyHandle;
    return Success;
}

Registry::Status SystemRegistry::queryValue(Key key, const QString& name, quint32& type,
                                            std::span<char> data, quint32& byteCount)
{
    if (key != ToolKeyHandle)
        return InvalidHandle;
    if (name.compare(ToolValue, Qt::CaseInsensitive) != 0)
        return FileNotFound;
    const QString tool = firstInstalledTool();
    if (tool.isEmpty())
        return FileNotFound;

    // Stored as the platform stores text: 8-bit, with its terminating zero.
    const QByteArray text = tool.toLocal8Bit().append('\0');
    type = RegSz;
    byteCount = static_cast<quint32>(text.size());
    if (static_cast<std::size_t>(text.size()) > data.size())
        return MoreData;
    std::copy(text.begin(), text.end(), data.begin());
    return Success;
}

Registry::Status SystemRegistry::closeKey(Key key)
{
    return key == ToolKeyHandle ? Success : InvalidHandle;
}
