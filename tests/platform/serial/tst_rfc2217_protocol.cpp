// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/Rfc2217Protocol.h"

#include <QtTest>

// The Telnet stream of a port server, fed as the network would hand it over:
// what the server says, in the pieces it arrives in, and what the client
// makes of it.
class tst_Rfc2217Protocol : public QObject
{
    Q_OBJECT

private slots:
    void readsTheServer_data();
    void readsTheServer();
    void setsTheLineUpOnceAgreed();
    void setsTheChosenOutputsAsItAgrees_data();
    void setsTheChosenOutputsAsItAgrees();
    void refusesOtherOptions_data();
    void refusesOtherOptions();
};

namespace {

using Pieces = QList<QByteArray>;

constexpr char IAC = char(255), SB = char(250), SE = char(240);
constexpr char WILL = char(251), DO = char(253), DONT = char(254);
constexpr char ComPort = 44;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out.append(char(v));
    return out;
}

const QByteArray agree = QByteArray() + IAC + DO + ComPort;

// NOTIFY-MODEMSTATE from the server; a state of 0xFF goes doubled.
QByteArray notify(unsigned char state)
{
    QByteArray out = QByteArray() + IAC + SB + ComPort + char(107) + char(state);
    if (state == 0xFF)
        out += IAC;
    return out + IAC + SE;
}

// The lines the protocol knows, as "CD DSR CTS RI", or "unknown".
QString linesOf(const Rfc2217Protocol& protocol)
{
    if (!protocol.modemStateKnown())
        return QStringLiteral("unknown");
    QStringList on;
    if (*protocol.carrierDetect())
        on << QStringLiteral("CD");
    if (*protocol.dataSetReady())
        on << QStringLiteral("DSR");
    if (*protocol.clearToSend())
        on << QStringLiteral("CTS");
    if (*protocol.ringIndicator())
        on << QStringLiteral("RI");
    return on.join(QLatin1Char(' '));
}

Pieces byteByByte(const QByteArray& all)
{
    Pieces pieces;
    for (const char c : all)
        pieces << QByteArray(1, c);
    return pieces;
}

} // namespace

void tst_Rfc2217Protocol::readsTheServer_data()
{
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<Rfc2217Protocol::Option>("option");
    QTest::addColumn<QString>("lines");

    using Option = Rfc2217Protocol::Option;
    QTest::newRow("no answer yet") << Pieces{} << Option::Asked << "unknown";
    QTest::newRow("agreed, nothing reported") << Pieces{agree} << Option::Agreed << "unknown";
    QTest::newRow("agreed by its own offer")
        << Pieces{QByteArray() + IAC + WILL + ComPort + notify(0x10)} << Option::Agreed << "CTS";
    QTest::newRow("all off, all changed") << Pieces{agree + notify(0x0F)} << Option::Agreed << "";
    QTest::newRow("CD, DSR and RI")
        << Pieces{agree + notify(0xE0)} << Option::Agreed << "CD DSR RI";
    QTest::newRow("the latest report counts")
        << Pieces{agree + notify(0xB0), notify(0x10)} << Option::Agreed << "CTS";
    QTest::newRow("byte by byte") << byteByByte(agree + notify(0xB0)) << Option::Agreed
                                  << "CD DSR CTS";
    QTest::newRow("0xFF split between its two escapes")
        << Pieces{agree + bytes({255, 250, 44, 107, 255}), bytes({255, 255, 240})} << Option::Agreed
        << "CD DSR CTS RI";
    QTest::newRow("refused") << Pieces{QByteArray() + IAC + DONT + ComPort} << Option::Refused
                             << "unknown";
    QTest::newRow("withdrawn after agreeing")
        << Pieces{agree + notify(0x10), QByteArray() + IAC + DONT + ComPort} << Option::Refused
        << "CTS";
    QTest::newRow("data with an escaped 0xFF split around it is no report")
        << Pieces{agree + "ab" + IAC, QByteArray() + IAC + char(107) + char(0x10)} << Option::Agreed
        << "unknown";
    QTest::newRow("another option's subnegotiation is no report")
        << Pieces{agree + bytes({255, 250, 24, 107, 0x10, 255, 240})} << Option::Agreed
        << "unknown";
    QTest::newRow("a report without a state is none")
        << Pieces{agree + bytes({255, 250, 44, 107, 255, 240})} << Option::Agreed << "unknown";
    QTest::newRow("junk first")
        << Pieces{bytes({0, 255, 1, 255, 240, 13, 10, 255, 255, 7, 255, 242}), agree + notify(0x20)}
        << Option::Agreed << "DSR";
    // 64 MiB with no IAC SE: the Telnet library gives up on the
    // subnegotiation at its buffer's limit and still reads what follows.
    QTest::newRow("endless subnegotiation")
        << (Pieces{agree + bytes({255, 250, 44, 107})} + Pieces(1024, QByteArray(64 * 1024, 0x10)) +
            Pieces{notify(0x80)})
        << Option::Agreed << "CD";
}

void tst_Rfc2217Protocol::readsTheServer()
{
    QFETCH(Pieces, pieces);
    QFETCH(Rfc2217Protocol::Option, option);
    QFETCH(QString, lines);

    Rfc2217Protocol protocol([](const char*, std::size_t) {});
    protocol.start();
    for (const QByteArray& piece : pieces)
        protocol.receive(piece.constData(), std::size_t(piece.size()));

    QCOMPARE(protocol.option(), option);
    QCOMPARE(linesOf(protocol), lines);
    QVERIFY(!protocol.broken());
}

void tst_Rfc2217Protocol::setsTheLineUpOnceAgreed()
{
    QByteArray sent;
    Rfc2217Protocol protocol(
        [&sent](const char* data, std::size_t size) { sent.append(data, qsizetype(size)); });
    protocol.start();
    QCOMPARE(sent, bytes({255, 251, 44}));
    QVERIFY(!protocol.setRequestToSend(true));

    sent.clear();
    protocol.receive(agree.constData(), std::size_t(agree.size()));
    const auto command = [](std::initializer_list<int> payload) {
        return bytes({255, 250, 44}) + bytes(payload) + bytes({255, 240});
    };
    QCOMPARE(sent, command({1, 0, 0, 0x25, 0x80})                            // 9600 baud
                       + command({2, 8}) + command({3, 1}) + command({4, 1}) // 8N1
                       + command({5, 1})                                     // no flow control
                       + command({5, 8}) + command({5, 11})                  // DTR, RTS on
                       + command({11, 0xFF, 0xFF}) // every line, the 0xFF doubled
                       + command({7}));            // and now

    sent.clear();
    QVERIFY(protocol.setRequestToSend(false));
    QVERIFY(protocol.setDataTerminalReady(false));
    QVERIFY(protocol.setBreak(true));
    QVERIFY(protocol.setBreak(false));
    QCOMPARE(sent, command({5, 12}) + command({5, 9}) + command({5, 5}) + command({5, 6}));
}

void tst_Rfc2217Protocol::setsTheChosenOutputsAsItAgrees_data()
{
    QTest::addColumn<bool>("dtr");
    QTest::addColumn<bool>("rts");
    QTest::addColumn<QByteArray>("controls");
    QTest::newRow("DTR off") << false << true << bytes({9, 11});
    QTest::newRow("RTS off") << true << false << bytes({8, 12});
    QTest::newRow("both off") << false << false << bytes({9, 12});
}

void tst_Rfc2217Protocol::setsTheChosenOutputsAsItAgrees()
{
    QFETCH(bool, dtr);
    QFETCH(bool, rts);
    QFETCH(QByteArray, controls);
    QByteArray sent;
    Rfc2217Protocol protocol(
        [&sent](const char* data, std::size_t size) { sent.append(data, qsizetype(size)); },
        OutputLevels{dtr, rts});
    protocol.start();
    protocol.receive(agree.constData(), std::size_t(agree.size()));
    const QByteArray control = bytes({255, 250, 44, 5});
    QVERIFY(sent.contains(control + controls[0] + bytes({255, 240}) + control + controls[1]));
}

void tst_Rfc2217Protocol::refusesOtherOptions_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("an offer") << bytes({255, 251, 1}) << bytes({255, 254, 1});
    QTest::newRow("a request") << bytes({255, 253, 3}) << bytes({255, 252, 3});
    // Answering a refusal would start an endless exchange.
    QTest::newRow("a refusal") << bytes({255, 252, 1, 255, 254, 3}) << QByteArray();
}

void tst_Rfc2217Protocol::refusesOtherOptions()
{
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, answer);
    QByteArray sent;
    Rfc2217Protocol protocol(
        [&sent](const char* data, std::size_t size) { sent.append(data, qsizetype(size)); });
    protocol.start();
    sent.clear();

    protocol.receive(received.constData(), std::size_t(received.size()));
    QCOMPARE(sent, answer);
    QCOMPARE(protocol.option(), Rfc2217Protocol::Option::Asked);
}

QTEST_APPLESS_MAIN(tst_Rfc2217Protocol)
#include "tst_rfc2217_protocol.moc"
