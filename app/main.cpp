// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"
#include "app/TerminationSignals.h"
#include "app/Translations.h"
#include "AppIdentity.h"
#include "help/HelpIndex.h"
#include "monitor/ChangeLog.h"
#include "monitor/LineHistory.h"
#include "monitor/LineLog.h"
#include "monitor/Quorlin.h"
#include "platform/desktop/DesktopHelpViewer.h"
#include "platform/desktop/PlatformChoice.h"
#include "platform/desktop/QtMessageBox.h"
#include "platform/desktop/QtProgramLauncher.h"
#include "platform/desktop/WindowSystem.h"
#include "platform/serial/MSComm.h"
#include "platform/serial/PresentSerialDevices.h"
#include "platform/serial/SerialLineFactory.h"
#include "platform/SystemRegistry.h"
#include "settings/PortMap.h"
#include "settings/QSettingsStore.h"
#include "settings/SettingsSchema.h"

#include <optional>
#include <QApplication>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(AppIdentity::title());
    QApplication::setOrganizationName(AppIdentity::title());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(AppIdentity::VersionMajor)
                                            .arg(AppIdentity::VersionMinor)
                                            .arg(AppIdentity::VersionRevision));
    QApplication::setDesktopFileName(QString::fromLatin1(AppIdentity::DesktopId));
    QByteArray platform;
    {
        const QCoreApplication arguments(argc, argv);
        const Translations translations;
        if (const auto status = answerBeforeDisplay())
            return *status;
        platform = PlatformChoice::whenUnchosen(QProcessEnvironment::systemEnvironment(),
                                                QCoreApplication::arguments())
                       .toLocal8Bit();
    }
    // As an option rather than in the environment, so that the programs
    // Quorlin starts (the help's browser, System Info) choose for themselves.
    QByteArray platformOption("-platform");
    std::vector<char*> arguments(argv, argv + argc);
    if (!platform.isEmpty())
        arguments.insert(arguments.begin() + 1, {platformOption.data(), platform.data()});
    arguments.push_back(nullptr);
    int argumentCount = static_cast<int>(arguments.size()) - 1;

    // Made before the rest of the command line is read, so that it takes
    // Qt's own options (-style, -platform, -reverse, ...) out of it.
    QApplication app(argumentCount, arguments.data());
    const Translations translations;
    const auto commandLine = readCommandLine();
    if (const int* exitStatus = std::get_if<int>(&commandLine))
        return *exitStatus;
    const auto& options = std::get<StartOptions>(commandLine);

    QSettingsStore store =
        options.settingsFile.isEmpty() ? QSettingsStore() : QSettingsStore(options.settingsFile);
    const PortMap ports(store);
    MSComm serial([&ports](int n) { return ports.deviceFor(n); }, makeSerialLine);
    serial.setWaitsForChanges(!options.pollOnly);
    LineHistory history;
    std::optional<LineLog> log;
    std::optional<ChangeLog> changeLog;
    if (auto format = changeFormatFor(options.logFile))
        changeLog.emplace(options.logFile, std::move(format), history);
    else if (!options.logFile.isEmpty())
        log.emplace(options.logFile);
    QtMessageBox messages(AppIdentity::title());
    DesktopHelpViewer help;
    SystemRegistry registry;
    QtProgramLauncher programs;

    Quorlin window(Platform{store, serial, messages, help, registry, programs, presentSerialDevices,
                            helpIndexFile(QCoreApplication::applicationDirPath()),
                            windowSystemOf(QGuiApplication::platformName())});
    window.setLineHistory(history);
    if (log)
        window.setLineLog(*log);
    if (changeLog)
        window.setChangeLog(*changeLog);
    if (options.dataTerminalReady)
        window.chooseLineForRun(OutputLine::DataTerminalReady, *options.dataTerminalReady);
    if (options.requestToSend)
        window.chooseLineForRun(OutputLine::RequestToSend, *options.requestToSend);
    if (options.pulseLength)
        window.setPulseLength(*options.pulseLength);
    QObject::connect(&window, &Quorlin::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    // Logging out, systemctl --user stop, a closed terminal and Ctrl+C end
    // the program as File, Exit does, with what the user typed saved.
    const TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::requested, &window, &QWidget::close);
    // As a choice from the Com menu would: stored, and opened by the first
    // activation. Written once the window is there to tell a failed save.
    if (options.port)
        SettingsSchema::write(store, SettingsSchema::Key::ComPort, QString::number(*options.port));
    window.show();
    return QApplication::exec();
}
