#include "platform/SerialLineFactory.h"

#include "platform/DeviceName.h"
#include "platform/DeviceSerialLine.h"
#include "platform/LoopbackSerialLine.h"

std::unique_ptr<SerialLine> makeSerialLine(const QString& device)
{
    if (device.isEmpty())
        return nullptr;
    if (device == DeviceName::Loopback)
        return std::make_unique<LoopbackSerialLine>();
    return std::make_unique<DeviceSerialLine>(device);
}
