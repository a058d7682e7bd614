// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/InputLine.h"
#include "platform/serial/OutputLine.h"

#include <cstdint>
#include <optional>
#include <QObject>
#include <QString>

// How often each input line has changed, on or off, since some moment of the
// driver's choosing: a driver that counts sees every edge, also those of a
// pulse too short for two reads of the line to catch. The counts wrap.
struct EdgeCounts
{
    std::uint32_t carrierDetect = 0;
    std::uint32_t dataSetReady = 0;
    std::uint32_t clearToSend = 0;
    std::uint32_t ringIndicator = 0;

    std::uint32_t of(InputLine line) const
    {
        switch (line) {
        case InputLine::CarrierDetect:
            return carrierDetect;
        case InputLine::DataSetReady:
            return dataSetReady;
        case InputLine::ClearToSend:
            return clearToSend;
        case InputLine::RingIndicator:
            break;
        }
        return ringIndicator;
    }
};

// One kind of serial port: a device, the built-in loop-back plug, ...
// Reads never wait for data. A read on a closed line fails (nullopt) rather
// than report the line as off, so the lamps can hold their state meanwhile.
// Whatever the far side sends is discarded.
class SerialLine : public QObject
{
    Q_OBJECT

public:
    // Opens at 9600 baud, 8 data bits, no parity, 1 stop bit. A failure
    // leaves its reason in errorString().
    virtual bool open() = 0;
    // Starts opening, for a caller that must not wait: the outcome, as
    // open() would give it, when it is known at once; nullopt for a line
    // that takes its time, which tells it by openFinished() later, from the
    // event loop. close() meanwhile ends the attempt, untold.
    virtual std::optional<bool> beginOpen() { return open(); }
    // Also ends the watch of startWatching(), and an open begun.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The far side went away while the line was open (an adapter pulled out,
    // a connection dropped): the line has closed itself and stays lost until
    // it is opened again.
    virtual bool isLost() const = 0;
    // The system's words for the last failed open or for the loss.
    virtual QString errorString() const = 0;

    // The outputs for a line that sets them itself as it opens, before it
    // reports open (a remote one, as it negotiates), rather than both
    // asserted; set before beginOpen(). The caller sets them again once open.
    virtual void setOpeningLevels(OutputLevels) {}
    // False when the open line cannot drive the output, or while closed.
    virtual bool setRequestToSend(bool asserted) = 0;
    virtual bool setDataTerminalReady(bool asserted) = 0;
    // Holds the data line low (a break) until called again with false.
    virtual bool setBreak(bool on) = 0;

    virtual std::optional<bool> clearToSend() const = 0;
    virtual std::optional<bool> carrierDetect() const = 0;
    virtual std::optional<bool> dataSetReady() const = 0;
    virtual std::optional<bool> ringIndicator() const = 0;

    // nullopt for a line whose driver counts no edges, or while closed.
    virtual std::optional<EdgeCounts> edgeCounts() const { return std::nullopt; }
    // Watches the open line for changes of CD, DSR, CTS or RI, told by
    // linesChanged(), until it closes. False where the line offers no such
    // watch; whether the driver answers it is found by watching.
    virtual bool startWatching() { return false; }

signals:
    // How an open that beginOpen() left under way ended.
    void openFinished(bool opened);
    // An input line changed, or the device hung up; told at most once a
    // frame, and only while watched.
    void linesChanged();
};
