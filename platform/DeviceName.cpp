#include "platform/DeviceName.h"

#include <QDir>

namespace DeviceName {

// Each kind of device the program can open has its case here, and its words
// in acceptedKinds() below.
bool isAcceptable(const QString& name)
{
    if (name == Loopback)
        return true;
    // Any absolute path may name a device node, present or not: an adapter
    // can be mapped before it is plugged in.
    return QDir::isAbsolutePath(name);
}

QString acceptedKinds()
{
    return QStringLiteral("a device path such as /dev/ttyUSB0, or %1").arg(Loopback);
}

} // namespace DeviceName
