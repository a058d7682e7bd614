#include "settings/PortMap.h"

// Windows numbers its ports itself.
const bool PortMap::MapsPorts = false;

QString PortMap::defaultDevice(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}
