// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/Rfc2217SerialLine.h"

#include "platform/serial/rfc2217/HostLookup.h"

#include <utility>

namespace {

int millisecondsLeft(const QDeadlineTimer& deadline)
{
    return int(deadline.remainingTime());
}

} // namespace

Rfc2217SerialLine::Rfc2217SerialLine(Rfc2217Address address) : m_address(std::move(address))
{
    m_socket.setReadBufferSize(ReceiveBufferSize);
    QObject::connect(&m_socket, &QTcpSocket::readyRead, &m_socket, [this] { receive(); });
    QObject::connect(&m_socket, &QTcpSocket::disconnected, &m_socket, [this] {
        if (m_open)
            lose();
    });
    QObject::connect(&m_socket, &QTcpSocket::errorOccurred, &m_socket,
                     [this](QAbstractSocket::SocketError error) {
                         // A read that finds nothing new times out; that is
                         // no loss.
                         if (m_open && error != QAbstractSocket::SocketTimeoutError)
                             lose();
                     });
}

Rfc2217SerialLine::~Rfc2217SerialLine()
{
    // Before the members go: a socket destroyed connected still signals.
    close();
}

bool Rfc2217SerialLine::open()
{
    if (m_open)
        return true;
    m_lost = m_backlogged = false;
    m_errorString.clear();
    const QDeadlineTimer deadline(OpenTimeout);
    if (!connectBy(deadline) || !negotiateBy(deadline)) {
        m_socket.abort();
        m_protocol.reset();
        return false;
    }
    m_open = true;
    return true;
}

bool Rfc2217SerialLine::connectBy(const QDeadlineTimer& deadline)
{
    const QList<QHostAddress> addresses = lookUpHost(m_address.host, deadline);
    if (addresses.isEmpty())
        return refuse(deadline.hasExpired() ? tr("The server's name was not found in time.")
                                            : tr("The server's name is unknown."));
    // A name may stand for several addresses, of which any may answer.
    for (const QHostAddress& address : addresses) {
        m_socket.connectToHost(address, m_address.port);
        if (m_socket.waitForConnected(millisecondsLeft(deadline)))
            return true;
        m_errorString = m_socket.errorString();
        m_socket.abort();
        if (deadline.hasExpired())
            break;
    }
    return refuse(deadline.hasExpired() ? tr("The server did not answer in time.") : m_errorString);
}

bool Rfc2217SerialLine::negotiateBy(const QDeadlineTimer& deadline)
{
    m_protocol = std::make_unique<Rfc2217Protocol>(
        [this](const char* bytes, std::size_t size) { send(bytes, size); });
    m_protocol->start();
    // The socket's readyRead hands the protocol what arrives meanwhile.
    while (m_protocol->option() != Rfc2217Protocol::Option::Agreed ||
           !m_protocol->modemStateKnown()) {
        if (m_protocol->option() == Rfc2217Protocol::Option::Refused)
            return refuse(tr("The server does not offer control of its port (RFC 2217)."));
        if (m_protocol->broken() || m_backlogged)
            return refuse(tr("The server does not speak RFC 2217."));
        if (deadline.hasExpired() || !m_socket.waitForReadyRead(millisecondsLeft(deadline))) {
            if (m_socket.state() != QAbstractSocket::ConnectedState)
                return refuse(tr("The server closed the connection."));
            if (m_protocol->option() == Rfc2217Protocol::Option::Agreed)
                return refuse(tr("The server did not report the port's modem lines in time."));
            return refuse(tr("The server did not answer in time."));
        }
    }
    return true;
}

bool Rfc2217SerialLine::refuse(const QString& reason)
{
    m_errorString = reason;
    return false;
}

void Rfc2217SerialLine::receive()
{
    if (!m_protocol)
        return;
    // What is buffered, not what keeps coming: a flood gets its turns.
    char chunk[ReceiveBufferSize];
    const qint64 size = m_socket.read(chunk, sizeof chunk);
    if (size > 0)
        m_protocol->receive(chunk, std::size_t(size));
    if (m_open && (m_protocol->broken() || m_backlogged ||
                   m_protocol->option() == Rfc2217Protocol::Option::Refused))
        lose();
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

void Rfc2217SerialLine::lose()
{
    m_open = false;
    m_lost = true;
    m_errorString = tr("The connection to the server was lost.");
    m_socket.abort();
}

void Rfc2217SerialLine::close()
{
    m_open = false;
    m_socket.abort();
    m_protocol.reset();
}

bool Rfc2217SerialLine::setRequestToSend(bool asserted)
{
    return m_open && m_protocol->setRequestToSend(asserted);
}

bool Rfc2217SerialLine::setDataTerminalReady(bool asserted)
{
    return m_open && m_protocol->setDataTerminalReady(asserted);
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

std::optional<bool> Rfc2217SerialLine::holding(std::optional<bool> (Rfc2217Protocol::*line)()
                                                   const) const
{
    // Takes in, without waiting, what has come since the last read, and
    // finds a dropped connection at once.
    if (m_open)
        m_socket.waitForReadyRead(0);
    if (!m_open)
        return std::nullopt;
    return (*m_protocol.*line)();
}
