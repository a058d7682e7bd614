// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/Platform.h"
#include "support/FakeHelpViewer.h"
#include "support/FakeMessageBox.h"
#include "support/FakeProgramLauncher.h"
#include "support/FakeRegistry.h"
#include "support/FakeSerialLine.h"
#include "support/FakeSettingsStore.h"

// Everything the main window needs, faked: ports 1 and 2 exist unless a test
// says otherwise.
struct FakePlatform
{
    FakeSettingsStore store;
    FakePortRig serial;
    FakeMessageBox messages;
    FakeHelpViewer help;
    FakeRegistry registry;
    FakeProgramLauncher programs;
    // What the system lists as present: nothing unless a test says so.
    QList<SerialDeviceInfo> devices;
    // No such file: Help, Index reports it missing.
    QString helpFile = QStringLiteral("/nonexistent/quorlin-help.html");
    WindowSystem windowSystem;

    FakePlatform()
    {
        serial.ports[1];
        serial.ports[2];
    }

    Platform platform()
    {
        return {
            store,    serial.comm, messages, help, registry, programs, [this] { return devices; },
            helpFile, windowSystem};
    }
    FakePort& port(int n) { return serial.ports.at(n); }
};
