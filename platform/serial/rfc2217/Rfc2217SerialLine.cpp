// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/Rfc2217SerialLine.h"

#include <QEventLoop>
#include <QHostInfo>
#include <QMetaObject>
#include <tuple>
#include <utility>

// Everything here runs on the thread that made the line, from its event
// loop: the socket, the timers and the host lookup tell it what happened.
// Their connections are made on the members, which go before the line's
// QObject does.

Rfc2217SerialLine::Rfc2217SerialLine(Rfc2217Address address) : m_address(std::move(address))
{
    m_socket.setReadBufferSize(ReceiveBufferSize);
    m_openDeadline.setSingleShot(true);
    m_openDeadline.setInterval(OpenTimeout);
    m_liveness.setInterval(LivenessInterval);
    connect(&m_openDeadline, &QTimer::timeout, &m_openDeadline, [this] { openTimedOut(); });
    connect(&m_liveness, &QTimer::timeout, &m_liveness, [this] { checkLiveness(); });
    connect(&m_pace, &ChangePace::told, &m_pace, [this] { emit linesChanged(); });
    connect(&m_socket, &QTcpSocket::connected, &m_socket, [this] { connected(); });
    connect(&m_socket, &QTcpSocket::readyRead, &m_socket, [this] { receive(); });
    connect(&m_socket, &QTcpSocket::disconnected, &m_socket,
            [this] { socketFailed(QAbstractSocket::RemoteHostClosedError); });
    connect(&m_socket, &QTcpSocket::errorOccurred, &m_socket,
            [this](QAbstractSocket::SocketError error) { socketFailed(error); });
}

Rfc2217SerialLine::~Rfc2217SerialLine()
{
    // Before the members go: a socket destroyed connected still signals.
    close();
}

bool Rfc2217SerialLine::open()
{
    const std::optional<bool> outcome = beginOpen();
    if (outcome)
        return *outcome;
    QEventLoop wait;
    connect(this, &SerialLine::openFinished, &wait, &QEventLoop::quit);
    wait.exec();
    return isOpen();
}

std::optional<bool> Rfc2217SerialLine::beginOpen()
{
    if (m_phase == Phase::Open)
        return true;
    endConnection();
    ++m_attempt;
    m_lost = m_backlogged = false;
    m_errorString.clear();
    m_openDeadline.start();
    if (QHostAddress address; address.setAddress(m_address.host)) {
        lookedUp({address});
        return std::nullopt;
    }
    m_phase = Phase::LookingUp;
    // Qt looks a name up on one thread at a time, and the lookup is dropped
    // when the attempt ends: a name server that never answers holds up no
    // more than that thread, however often the port is tried again.
    m_lookupId = QHostInfo::lookupHost(m_address.host, &m_socket, [this](const QHostInfo& info) {
        m_lookupId = -1;
        if (m_phase != Phase::LookingUp)
            return;
        if (info.addresses().isEmpty())
            fail(tr("The server's name is unknown."));
        else
            lookedUp(info.addresses());
    });
    return std::nullopt;
}

void Rfc2217SerialLine::lookedUp(const QList<QHostAddress>& addresses)
{
    // A name may stand for several addresses, of which any may answer.
    m_phase = Phase::Connecting;
    m_addresses = addresses;
    connectToNextAddress();
}

void Rfc2217SerialLine::connectToNextAddress()
{
    if (m_addresses.isEmpty()) {
        fail(m_errorString);
        return;
    }
    m_socket.abort();
    m_socket.connectToHost(m_addresses.takeFirst(), m_address.port);
}

void Rfc2217SerialLine::connected()
{
    if (m_phase != Phase::Connecting)
        return;
    m_phase = Phase::Negotiating;
    m_protocol = std::make_unique<Rfc2217Protocol>(
        [this](const char* bytes, std::size_t size) { send(bytes, size); }, m_openingLevels);
    m_protocol->start();
}

void Rfc2217SerialLine::socketFailed(QAbstractSocket::SocketError error)
{
    // A read that finds nothing new times out; that is no failure.
    if (error == QAbstractSocket::SocketTimeoutError)
        return;
    switch (m_phase) {
    case Phase::Connecting:
        m_errorString = m_socket.errorString();
        // The socket takes another address only once it is done with this
        // one, from the event loop.
        QMetaObject::invokeMethod(
            &m_socket,
            [this, attempt = m_attempt] {
                if (attempt == m_attempt && m_phase == Phase::Connecting)
                    connectToNextAddress();
            },
            Qt::QueuedConnection);
        break;
    case Phase::Negotiating:
        fail(tr("The server closed the connection."));
        break;
    case Phase::Open:
        lose(tr("The connection to the server was lost."));
        break;
    case Phase::Closed:
    case Phase::LookingUp:
        break;
    }
}

void Rfc2217SerialLine::checkNegotiation()
{
    if (m_protocol->option() == Rfc2217Protocol::Option::Agreed && m_protocol->modemStateKnown())
        finishOpen(true);
    else if (m_protocol->option() == Rfc2217Protocol::Option::Refused)
        fail(tr("The server does not offer control of its port (RFC 2217)."));
    else if (m_protocol->broken() || m_backlogged)
        fail(tr("The server does not speak RFC 2217."));
}

void Rfc2217SerialLine::openTimedOut()
{
    switch (m_phase) {
    case Phase::LookingUp:
        fail(tr("The server's name was not found in time."));
        break;
    case Phase::Negotiating:
        fail(m_protocol->option() == Rfc2217Protocol::Option::Agreed
                 ? tr("The server did not report the port's modem lines in time.")
                 : tr("The server did not answer in time."));
        break;
    case Phase::Connecting:
        fail(tr("The server did not answer in time."));
        break;
    case Phase::Closed:
    case Phase::Open:
        break;
    }
}

void Rfc2217SerialLine::fail(const QString& reason)
{
    endConnection();
    m_errorString = reason;
    finishOpen(false);
}

void Rfc2217SerialLine::finishOpen(bool opened)
{
    m_openDeadline.stop();
    if (opened) {
        m_phase = Phase::Open;
        m_answersAtAsk = m_protocol->answers();
        m_protocol->askForAnswer();
        m_liveness.start();
    }
    // Told from the event loop, so that the listener may close or drop the
    // line; an attempt ended meanwhile is not told at all.
    QMetaObject::invokeMethod(
        &m_socket,
        [this, attempt = m_attempt, opened] {
            if (attempt == m_attempt)
                emit openFinished(opened);
        },
        Qt::QueuedConnection);
}

void Rfc2217SerialLine::checkLiveness()
{
    // Nothing since the last request, not even a report of the lines: the
    // server, or the network to it, is gone, though no one said so.
    if (m_protocol->answers() == m_answersAtAsk) {
        lose(tr("The server stopped answering."));
        return;
    }
    m_answersAtAsk = m_protocol->answers();
    m_protocol->askForAnswer();
}

void Rfc2217SerialLine::receive()
{
    if (!m_protocol)
        return;
    const auto lines = [this] {
        return std::tuple{m_protocol->carrierDetect(), m_protocol->dataSetReady(),
                          m_protocol->clearToSend(), m_protocol->ringIndicator()};
    };
    const auto before = lines();
    // What is buffered, not what keeps coming: a flood gets its turns.
    char chunk[ReceiveBufferSize];
    const qint64 size = m_socket.read(chunk, sizeof chunk);
    if (size > 0)
        m_protocol->receive(chunk, std::size_t(size));
    if (m_phase == Phase::Negotiating) {
        checkNegotiation();
    } else if (m_phase == Phase::Open) {
        if (m_protocol->broken() || m_backlogged ||
            m_protocol->option() == Rfc2217Protocol::Option::Refused)
            lose(tr("The connection to the server was lost."));
        else if (m_watched && lines() != before)
            m_pace.changed();
    }
}

void Rfc2217SerialLine::send(const char* bytes, std::size_t size)
{
    // A server that sends requests and reads no answers would have them pile
    // up here without end.
    if (m_socket.bytesToWrite() > SendBacklogLimit) {
        m_backlogged = true;
        return;
    }
    m_socket.write(bytes, qint64(size));
}

void Rfc2217SerialLine::lose(const QString& reason)
{
    endConnection();
    m_lost = true;
    m_errorString = reason;
    // A watched line says so at once, so the next read finds it gone.
    if (m_watched)
        m_pace.changed();
}

void Rfc2217SerialLine::close()
{
    // An open under way ends here, untold, and so does the watch.
    ++m_attempt;
    m_watched = false;
    m_pace.stop();
    endConnection();
}

void Rfc2217SerialLine::endConnection()
{
    m_phase = Phase::Closed;
    m_openDeadline.stop();
    m_liveness.stop();
    if (m_lookupId != -1) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    m_addresses.clear();
    m_socket.abort();
    m_protocol.reset();
}

bool Rfc2217SerialLine::startWatching()
{
    m_watched = isOpen();
    return m_watched;
}

bool Rfc2217SerialLine::setRequestToSend(bool asserted)
{
    return isOpen() && m_protocol->setRequestToSend(asserted);
}

bool Rfc2217SerialLine::setDataTerminalReady(bool asserted)
{
    return isOpen() && m_protocol->setDataTerminalReady(asserted);
}

bool Rfc2217SerialLine::setBreak(bool on)
{
    return isOpen() && m_protocol->setBreak(on);
}

std::optional<bool> Rfc2217SerialLine::clearToSend() const
{
    return holding(&Rfc2217Protocol::clearToSend);
}

std::optional<bool> Rfc2217SerialLine::carrierDetect() const
{
    return holding(&Rfc2217Protocol::carrierDetect);
}

std::optional<bool> Rfc2217SerialLine::dataSetReady() const
{
    return holding(&Rfc2217Protocol::dataSetReady);
}

std::optional<bool> Rfc2217SerialLine::ringIndicator() const
{
    return holding(&Rfc2217Protocol::ringIndicator);
}

std::optional<bool> Rfc2217SerialLine::holding(std::optional<bool> (Rfc2217Protocol::*line)()
                                                   const) const
{
    // Takes in, without waiting, what has come since the last read, and
    // finds a dropped connection at once.
    if (isOpen())
        m_socket.waitForReadyRead(0);
    if (!isOpen())
        return std::nullopt;
    return (*m_protocol.*line)();
}
