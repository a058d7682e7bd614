// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/desktop/WindowSystem.h"
#include "platform/serial/SerialDeviceInfo.h"

#include <QString>

class HelpViewer;
class MessageBox;
class MSComm;
class ProgramLauncher;
class Registry;
class SettingsStore;

// What the main window needs of the world outside it. main() wires the real
// ones; tests wire fakes.
struct Platform
{
    SettingsStore& store;
    MSComm& serial;
    MessageBox& messages;
    HelpViewer& help;
    Registry& registry;
    ProgramLauncher& programs;
    // The serial devices present, which the Ports dialog offers.
    ListSerialDevices presentDevices;
    // The help document that Help, Index shows.
    QString helpFile;
    // Whether the window's position and the always-above band can be had.
    WindowSystem windowSystem;
};
