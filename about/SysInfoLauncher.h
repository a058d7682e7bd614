// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Registry.h"

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

class MessageBox;
class ProgramLauncher;
class QWidget;

// Finds the system-information tool through two machine-wide registry
// entries and starts it, or tells the user it is unavailable.
class SysInfoLauncher
{
public:
    // A registry value that holds no data at all. GetKeyValue raises it
    // rather than answer, so StartSysInfo gives up instead of trying on.
    class EmptyValue : public std::runtime_error
    {
    public:
        EmptyValue() : std::runtime_error("registry value without data") {}
    };

    static constexpr auto Unavailable =
        QT_TRANSLATE_NOOP("SysInfoLauncher", "System Information Is Unavailable At This Time");

    // `messageParent` is the window the message belongs to.
    SysInfoLauncher(Registry& registry, ProgramLauncher& programs, MessageBox& messages,
                    QWidget* messageParent);

    // Starts the tool, or shows the message and returns once it is dismissed.
    void StartSysInfo();

    // Reads value `SubKeyRef` of key `KeyName` below `KeyRoot` into `KeyVal`
    // as text. False, with `KeyVal` emptied, when the key or the value cannot
    // be read; a value of another type than text or number leaves `KeyVal`
    // as it was. Throws EmptyValue for a value without data. Leaves no key
    // open on any path.
    bool GetKeyValue(Registry::Key KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);

private:
    bool startTool();

    Registry& m_registry;
    ProgramLauncher& m_programs;
    MessageBox& m_messages;
    QWidget* m_messageParent = nullptr;
};
