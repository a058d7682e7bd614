#pragma once

#include <optional>
#include <QString>

// One kind of serial port: a device, the built-in loop-back plug, ...
// Reads never wait for data. A read on a closed line fails (nullopt) rather
// than report the line as off, so the lamps can hold their state meanwhile.
// Whatever the far side sends is discarded.
class SerialLine
{
public:
    virtual ~SerialLine() = default;

    // Opens at 9600 baud, 8 data bits, no parity, 1 stop bit. A failure
    // leaves its reason in failureReason().
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The far side went away while the line was open (an adapter pulled out,
    // a connection dropped): the line has closed itself and stays lost until
    // it is opened again.
    virtual bool isLost() const = 0;
    // The system's words for the last failed open or for the loss.
    virtual QString failureReason() const = 0;

    virtual bool setRequestToSend(bool asserted) = 0;
    virtual bool setDataTerminalReady(bool asserted) = 0;

    virtual std::optional<bool> clearToSend() const = 0;
    virtual std::optional<bool> carrierDetect() const = 0;
    virtual std::optional<bool> dataSetReady() const = 0;
};
