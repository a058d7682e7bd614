// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "about/SysInfoLauncher.h"

#include "platform/MessageBox.h"
#include "platform/ProgramLauncher.h"

#include <array>
#include <QCoreApplication>
#include <QScopeGuard>
#include <QtEndian>

namespace {

// Where the tool's installer records the tool itself, and failing that the
// folder shared tools live in.
const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolValue = QStringLiteral("PATH");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString FolderValue = QStringLiteral("MSINFO");
const QString ToolInFolder = QStringLiteral("\\MSINFO32.EXE");

constexpr std::size_t ValueBufferSize = 1024;

} // namespace

SysInfoLauncher::SysInfoLauncher(Registry& registry, ProgramLauncher& programs,
                                 MessageBox& messages, QWidget* messageParent)
    : m_registry(registry), m_programs(programs), m_messages(messages),
      m_messageParent(messageParent)
{}

void SysInfoLauncher::StartSysInfo()
{
    if (!startTool())
        m_messages.show(m_messageParent,
                        QCoreApplication::translate("SysInfoLauncher", Unavailable));
}

bool SysInfoLauncher::startTool()
{
    try {
        QString toolPath;
        if (!GetKeyValue(Registry::LocalMachine, ToolKey, ToolValue, toolPath)) {
            if (!GetKeyValue(Registry::LocalMachine, FolderKey, FolderValue, toolPath))
                return false;
            // Appended as is: a folder ending in a backslash gives a doubled one.
            const QString inFolder = toolPath + ToolInFolder;
            if (!m_programs.isOrdinaryFile(inFolder))
                return false;
            toolPath = inFolder;
        }
        // A recorded tool path is started as read, without an existence test.
        return m_programs.start(toolPath);
    } catch (const EmptyValue&) {
        return false;
    }
}

bool SysInfoLauncher::GetKeyValue(Registry::Key KeyRoot, const QString& KeyName,
                                  const QString& SubKeyRef, QString& KeyVal)
{
    Registry::Key key = 0;
    if (m_registry.openKey(KeyRoot, KeyName, 0, Registry::KeyRead, key) != Registry::Success) {
        KeyVal.clear();
        return false;
    }
    const auto closeKey = qScopeGuard([&] { m_registry.closeKey(key); });

    std::array<char, ValueBufferSize> buffer{};
    quint32 type = 0;
    quint32 byteCount = 0;
    if (m_registry.queryValue(key, SubKeyRef, type, buffer, byteCount) != Registry::Success) {
        KeyVal.clear();
        return false;
    }
    if (byteCount == 0)
        throw EmptyValue();

    switch (type) {
    case Registry::RegSz: {
        // Text usually comes with its terminating zero; text stored without
        // one is used whole.
        const bool terminated = buffer[byteCount - 1] == '\0';
        KeyVal = QString::fromLocal8Bit(buffer.data(), byteCount - (terminated ? 1 : 0));
        break;
    }
    case Registry::RegDword:
        // The buffer started zeroed, so a shorter value reads as zero-extended.
        KeyVal = QString::number(qFromLittleEndian<quint32>(buffer.data()));
        break;
    default:
        break;
    }
    return true;
}
