#include "platform/PortMap.h"

#include "settings/SettingsStore.h"

#include <limits>

namespace {

const QString Section = QStringLiteral("Ports");

QString keyFor(int portNumber)
{
    return QStringLiteral("Com%1").arg(portNumber);
}

} // namespace

PortMap::PortMap(SettingsStore& store) : m_store(store) {}

QString PortMap::deviceFor(int portNumber) const
{
    if (portNumber < 1 || portNumber > std::numeric_limits<qint16>::max())
        return {};
#ifndef Q_OS_WIN
    // Windows numbers its ports itself; elsewhere the numbers are only
    // conventions, which the user can override port by port.
    const QString mapped = mappingFor(portNumber);
    if (!mapped.isEmpty())
        return mapped;
#endif
    return defaultDevice(portNumber);
}

// The machine's own port for a number: port 1 is the first on-board port, as
// COM1 is on Windows.
QString PortMap::defaultDevice(int portNumber)
{
#if defined(Q_OS_WIN)
    return QStringLiteral("COM%1").arg(portNumber);
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("/dev/cuau%1").arg(portNumber - 1);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

QString PortMap::mappingFor(int portNumber) const
{
    return m_store.read(Section, keyFor(portNumber));
}

void PortMap::setMapping(int portNumber, const QString& device)
{
    if (device.isEmpty())
        m_store.remove(Section, keyFor(portNumber));
    else
        m_store.write(Section, keyFor(portNumber), device);
}
