// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/ChangePace.h"
#include "platform/serial/rfc2217/Rfc2217Address.h"
#include "platform/serial/rfc2217/Rfc2217Protocol.h"
#include "platform/serial/SerialLine.h"

#include <chrono>
#include <memory>
#include <QHostAddress>
#include <QList>
#include <QTcpSocket>
#include <QTimer>

// A serial port of a port server (ser2net, pyserial's server, a terminal
// server), reached over TCP with RFC 2217. Opening looks the name up,
// connects and negotiates in the background (beginOpen()), taking at most
// OpenTimeout until the server has agreed and first reported the modem
// lines; reads then return the last state it reported, and a watch tells
// each new report at once. A dropped connection loses the line, as an
// unplugged adapter does, and so does a server that leaves a request
// unanswered for LivenessInterval: its network may be gone without a word.
class Rfc2217SerialLine : public SerialLine
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds OpenTimeout{3000};
    // How often an open line asks the server for something it must answer,
    // and how long the server has to answer: a server gone quiet is found
    // within twice this.
    static constexpr std::chrono::milliseconds LivenessInterval{5000};
    // The most the socket buffers of what the server sends.
    static constexpr qint64 ReceiveBufferSize = 4096;
    // Replies the server leaves unread beyond this make it a server gone bad.
    static constexpr qint64 SendBacklogLimit = 64 * 1024;

    explicit Rfc2217SerialLine(Rfc2217Address address);
    ~Rfc2217SerialLine() override;

    // Waits for beginOpen() to end, running this thread's events meanwhile.
    bool open() override;
    std::optional<bool> beginOpen() override;
    void close() override;
    bool isOpen() const override { return m_phase == Phase::Open; }
    bool isLost() const override { return m_lost; }
    QString errorString() const override { return m_errorString; }

    void setOpeningLevels(OutputLevels levels) override { m_openingLevels = levels; }
    bool setRequestToSend(bool asserted) override;
    bool setDataTerminalReady(bool asserted) override;
    bool setBreak(bool on) override;

    std::optional<bool> clearToSend() const override;
    std::optional<bool> carrierDetect() const override;
    std::optional<bool> dataSetReady() const override;
    std::optional<bool> ringIndicator() const override;

    bool startWatching() override;

private:
    enum class Phase
    {
        Closed,
        LookingUp,
        Connecting,
        Negotiating,
        Open,
    };

    void lookedUp(const QList<QHostAddress>& addresses);
    void connectToNextAddress();
    void connected();
    void socketFailed(QAbstractSocket::SocketError error);
    void checkNegotiation();
    void openTimedOut();
    void fail(const QString& reason);
    void finishOpen(bool opened);
    void checkLiveness();
    void receive();
    void send(const char* bytes, std::size_t size);
    void lose(const QString& reason);
    void endConnection();
    std::optional<bool> holding(std::optional<bool> (Rfc2217Protocol::*line)() const) const;

    Rfc2217Address m_address;
    // Reads take in what has arrived meanwhile, which changes the state.
    mutable QTcpSocket m_socket;
    std::unique_ptr<Rfc2217Protocol> m_protocol; // one for each connection
    OutputLevels m_openingLevels;
    Phase m_phase = Phase::Closed;
    // Counts the opens begun, so that what an ended one left queued is
    // known for stale.
    unsigned m_attempt = 0;
    int m_lookupId = -1;             // a host lookup under way
    QList<QHostAddress> m_addresses; // still to try, in turn
    QTimer m_openDeadline;
    QTimer m_liveness;
    unsigned m_answersAtAsk = 0; // the server's answers when last asked
    bool m_watched = false;
    ChangePace m_pace; // of the watch
    bool m_lost = false;
    bool m_backlogged = false;
    QString m_errorString;
};
