// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/Rfc2217Address.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {

const QLatin1String Scheme("rfc2217://");

// Labels of letters, digits and inner hyphens, joined by dots; IPv4
// addresses are of this form too.
bool isHostName(const QString& host)
{
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]{0,"
                       "61}[A-Za-z0-9])?)*\\.?$"));
    return host.size() <= 253 && name.match(host).hasMatch();
}

bool isIpv6Address(const QString& host)
{
    QHostAddress address;
    return address.setAddress(host) && address.protocol() == QAbstractSocket::IPv6Protocol;
}

std::optional<quint16> portNumber(QStringView text)
{
    // Digits only: no sign, no blanks, which toUInt would let through.
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const uint port = text.toUInt();
    if (port == 0 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

} // namespace

bool isRfc2217Device(const QString& device)
{
    return device.startsWith(Scheme, Qt::CaseInsensitive);
}

std::optional<Rfc2217Address> parseRfc2217Address(const QString& device)
{
    if (!isRfc2217Device(device))
        return std::nullopt;
    const QStringView rest = QStringView(device).mid(Scheme.size());

    QString host;
    QStringView portText;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0 || rest.mid(close + 1, 1) != QLatin1String(":"))
            return std::nullopt;
        host = rest.mid(1, close - 1).toString();
        if (!isIpv6Address(host))
            return std::nullopt;
        portText = rest.mid(close + 2);
    } else {
        const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
        if (colon < 0)
            return std::nullopt;
        host = rest.first(colon).toString();
        if (!isHostName(host))
            return std::nullopt;
        portText = rest.mid(colon + 1);
    }

    const std::optional<quint16> port = portNumber(portText);
    if (!port)
        return std::nullopt;
    return Rfc2217Address{host, *port};
}
