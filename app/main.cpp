#include "AppIdentity.h"
#include "help/HelpIndex.h"
#include "monitor/Quorlin.h"
#include "platform/DesktopHelpViewer.h"
#include "platform/MSComm.h"
#include "platform/PortMap.h"
#include "platform/QtMessageBox.h"
#include "platform/QtProgramLauncher.h"
#include "platform/SerialLineFactory.h"
#include "platform/SystemRegistry.h"
#include "settings/QSettingsStore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppIdentity::title());
    QApplication::setOrganizationName(AppIdentity::title());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(AppIdentity::VersionMajor)
                                            .arg(AppIdentity::VersionMinor)
                                            .arg(AppIdentity::VersionRevision));
    QApplication::setDesktopFileName(QString::fromLatin1(AppIdentity::DesktopId));

    QSettingsStore store;
    const PortMap ports(store);
    MSComm serial([&ports](int n) { return ports.deviceFor(n); }, makeSerialLine);
    QtMessageBox messages(AppIdentity::title());
    DesktopHelpViewer help;
    SystemRegistry registry;
    QtProgramLauncher programs;

    Quorlin window(Platform{store, serial, messages, help, registry, programs,
                            helpIndexFile(QCoreApplication::applicationDirPath())});
    QObject::connect(&window, &Quorlin::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
