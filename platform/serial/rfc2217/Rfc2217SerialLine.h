// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/rfc2217/Rfc2217Address.h"
#include "platform/serial/rfc2217/Rfc2217Protocol.h"
#include "platform/serial/SerialLine.h"

#include <chrono>
#include <memory>
#include <QDeadlineTimer>
#include <QTcpSocket>

// A serial port of a port server (ser2net, pyserial's server, a terminal
// server), reached over TCP with RFC 2217. Opening waits, at most
// OpenTimeout, for the connection, the server's agreement and its first
// report of the modem lines; reads then return the last state it reported. A
// dropped connection loses the line, as an unplugged adapter does.
class Rfc2217SerialLine : public SerialLine
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds OpenTimeout{3000};
    // The most the socket buffers of what the server sends.
    static constexpr qint64 ReceiveBufferSize = 4096;
    // Replies the server leaves unread beyond this make it a server gone bad.
    static constexpr qint64 SendBacklogLimit = 64 * 1024;

    explicit Rfc2217SerialLine(Rfc2217Address address);
    ~Rfc2217SerialLine() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool isLost() const override { return m_lost; }
    QString errorString() const override { return m_errorString; }

    bool setRequestToSend(bool asserted) override;
    bool setDataTerminalReady(bool asserted) override;

    std::optional<bool> clearToSend() const override;
    std::optional<bool> carrierDetect() const override;
    std::optional<bool> dataSetReady() const override;

private:
    bool connectBy(const QDeadlineTimer& deadline);
    bool negotiateBy(const QDeadlineTimer& deadline);
    bool refuse(const QString& reason);
    void receive();
    void send(const char* bytes, std::size_t size);
    void lose();
    std::optional<bool> holding(std::optional<bool> (Rfc2217Protocol::*line)() const) const;

    Rfc2217Address m_address;
    // Reads take in what has arrived meanwhile, which changes the state.
    mutable QTcpSocket m_socket;
    std::unique_ptr<Rfc2217Protocol> m_protocol; // one for each connection
    bool m_open = false;
    bool m_lost = false;
    bool m_backlogged = false;
    QString m_errorString;
};
