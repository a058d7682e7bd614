// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/MSComm.h"

#include <map>
#include <memory>

class FakeSerialLine;

// What a test sets and sees of one fake device. unplug() takes it away as an
// adapter pulled out would: the line closes itself and says it is lost. A
// port that opens later, as a remote one does, is pending until the test
// finishes its open.
struct FakePort
{
    bool opensLater = false;
    FakeSerialLine* pending = nullptr; // an open under way
    bool openFails = false;
    QString openFailureReason;
    bool lost = false; // the device went away while open
    bool cts = false, cd = false, dsr = false, ri = false;
    bool ctsFails = false, cdFails = false, dsrFails = false;
    std::optional<EdgeCounts> edges; // a driver that counts none unless set
    bool isOpen = false, rts = false, dtr = false, breaking = false;
    bool drivesOutputs = true; // false for a port that can set neither output nor a break
    std::optional<OutputLevels> openingLevels; // as last handed to the line
    int attempts = 0, opens = 0, closes = 0;

    void unplug()
    {
        isOpen = rts = dtr = breaking = false;
        lost = openFails = true;
    }
};

class FakeSerialLine : public SerialLine
{
public:
    explicit FakeSerialLine(FakePort& port) : m_port(port) {}
    ~FakeSerialLine() override { close(); }

    std::optional<bool> beginOpen() override
    {
        if (!m_port.opensLater)
            return open();
        ++m_port.attempts;
        m_port.pending = this;
        return std::nullopt;
    }
    // Ends the open under way, as the far side decides.
    void finish(bool opened)
    {
        m_port.pending = nullptr;
        if (opened) {
            ++m_port.opens;
            m_port.isOpen = true;
            m_port.lost = false;
        }
        emit openFinished(opened);
    }

    bool open() override
    {
        ++m_port.attempts;
        if (m_port.openFails)
            return false;
        ++m_port.opens;
        m_port.isOpen = true;
        m_port.lost = false;
        return true;
    }
    void close() override
    {
        if (m_port.pending == this)
            m_port.pending = nullptr;
        if (!m_port.isOpen)
            return;
        ++m_port.closes;
        m_port.isOpen = m_port.rts = m_port.dtr = m_port.breaking = false;
    }
    bool isOpen() const override { return m_port.isOpen; }
    bool isLost() const override { return m_port.lost; }
    QString errorString() const override
    {
        return m_port.lost ? QStringLiteral("gone") : m_port.openFailureReason;
    }
    void setOpeningLevels(OutputLevels levels) override { m_port.openingLevels = levels; }
    bool setRequestToSend(bool on) override { return drive(m_port.rts, on); }
    bool setDataTerminalReady(bool on) override { return drive(m_port.dtr, on); }
    bool setBreak(bool on) override { return drive(m_port.breaking, on); }
    std::optional<bool> clearToSend() const override { return read(m_port.cts, m_port.ctsFails); }
    std::optional<bool> carrierDetect() const override { return read(m_port.cd, m_port.cdFails); }
    std::optional<bool> dataSetReady() const override { return read(m_port.dsr, m_port.dsrFails); }
    std::optional<bool> ringIndicator() const override { return read(m_port.ri, false); }
    std::optional<EdgeCounts> edgeCounts() const override
    {
        return m_port.isOpen ? m_port.edges : std::nullopt;
    }

private:
    bool drive(bool& output, bool on)
    {
        if (!m_port.isOpen || !m_port.drivesOutputs)
            return false;
        output = on;
        return true;
    }
    std::optional<bool> read(bool level, bool fails) const
    {
        if (!m_port.isOpen || fails)
            return std::nullopt;
        return level;
    }
    FakePort& m_port;
};

// A serial control whose port numbers name fake devices: the numbers in
// `ports` exist, every other number names no port.
struct FakePortRig
{
    std::map<int, FakePort> ports;
    MSComm comm{
        [this](int n) { return ports.count(n) ? QStringLiteral("fake%1").arg(n) : QString(); },
        [this](const QString& device) -> std::unique_ptr<SerialLine> {
            const int n = device.mid(4).toInt();
            return std::make_unique<FakeSerialLine>(ports.at(n));
        }};
};
