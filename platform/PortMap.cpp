#include "platform/PortMap.h"

#include "settings/SettingsStore.h"

#include <limits>

namespace {

// The machine's own port for a number: port 1 is the first on-board port, as
// COM1 is on Windows.
QString onBoardDevice(int portNumber)
{
#if defined(Q_OS_WIN)
    return QStringLiteral("COM%1").arg(portNumber);
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("/dev/cuau%1").arg(portNumber - 1);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

} // namespace

PortMap::PortMap(const SettingsStore& store) : m_store(store) {}

QString PortMap::deviceFor(int portNumber) const
{
    if (portNumber < 1 || portNumber > std::numeric_limits<qint16>::max())
        return {};
#ifndef Q_OS_WIN
    // Windows numbers its ports itself; elsewhere the numbers are only
    // conventions, which the user can override port by port.
    const QString mapped =
        m_store.read(QStringLiteral("Ports"), QStringLiteral("Com%1").arg(portNumber));
    if (!mapped.isEmpty())
        return mapped;
#endif
    return onBoardDevice(portNumber);
}
