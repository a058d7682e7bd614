#include "LampArt.h"

#include <QTest>
#include <sstream>
#include <stdexcept>

// Reading the lamps' text sources: what is accepted, and that every fault is
// refused with the place it was found rather than turned into a wrong image.
class tst_LampArt : public QObject
{
    Q_OBJECT

private:
    static constexpr auto TwoColours = "1 1 #C86666 #259DFF\n"
                                       "2 2 #00fd00 #F10084\n"
                                       ". 29 #C0C0C0 #C0C0C0 transparent\n";

    static LampArt parse(const QByteArray& map, const QByteArray& palette)
    {
        std::istringstream mapStream(map.toStdString());
        std::istringstream paletteStream(palette.toStdString());
        return LampArt::parse(mapStream, paletteStream);
    }

private slots:
    void readsMapAndColours()
    {
        const LampArt art = parse("# a comment\n"
                                  ".12\n"
                                  "\n"
                                  "21.\n",
                                  TwoColours);

        QCOMPARE(art.width(), 3);
        QCOMPARE(art.height(), 2);
        QCOMPARE(art.indices(), (std::vector<std::uint8_t>{29, 1, 2, 2, 1, 29}));
        QCOMPARE(art.transparentIndex(), std::uint8_t{29});

        const auto green = art.colourTable(Lamp::Green);
        const auto red = art.colourTable(Lamp::Red);
        QVERIFY(green[1] == (Rgb{0xC8, 0x66, 0x66}));
        QVERIFY(green[2] == (Rgb{0x00, 0xFD, 0x00}));
        QVERIFY(red[1] == (Rgb{0x25, 0x9D, 0xFF}));
        QVERIFY(red[29] == (Rgb{0xC0, 0xC0, 0xC0}));
        for (int unlisted : {0, 3, 28, 30, 255}) {
            QVERIFY2(green[unlisted] == Rgb{}, qPrintable(QString::number(unlisted)));
            QVERIFY2(red[unlisted] == Rgb{}, qPrintable(QString::number(unlisted)));
        }
    }

    void refusesFaults_data()
    {
        QTest::addColumn<QByteArray>("map");
        QTest::addColumn<QByteArray>("palette");
        QTest::addColumn<QString>("message");

        const QByteArray colours(TwoColours);
        QTest::newRow("symbol not in palette")
            << QByteArray("12\n1x\n") << colours << "lamp map line 2: symbol 'x'";
        QTest::newRow("rows of different length")
            << QByteArray("# header\n12\n121\n") << colours << "lamp map line 3: rows differ";
        QTest::newRow("no rows") << QByteArray("# nothing\n\n") << colours << "no pixel rows";
        QTest::newRow("no transparent entry")
            << QByteArray("1\n") << QByteArray("1 1 #000000 #000000\n") << "no entry is marked";
        QTest::newRow("two transparent entries")
            << QByteArray("1\n")
            << QByteArray("1 1 #000000 #000000 transparent\n. 2 #000000 #000000 transparent\n")
            << "lamp palette line 2: a second transparent";
        QTest::newRow("symbol listed twice")
            << QByteArray("1\n") << QByteArray("1 1 #000000 #000000\n1 2 #000000 #000000\n")
            << "lamp palette line 2: symbol listed twice";
        QTest::newRow("entry listed twice")
            << QByteArray("1\n") << QByteArray("1 1 #000000 #000000\n2 1 #000000 #000000\n")
            << "lamp palette line 2: entry listed twice";
        QTest::newRow("entry beyond the table")
            << QByteArray("1\n") << QByteArray("1 256 #000000 #000000\n") << "from 0 to 255";
        QTest::newRow("entry not a number")
            << QByteArray("1\n") << QByteArray("1 1x #000000 #000000\n") << "from 0 to 255";
        QTest::newRow("symbol of two characters")
            << QByteArray("1\n") << QByteArray("12 1 #000000 #000000\n") << "single character";
        QTest::newRow("short colour")
            << QByteArray("1\n") << QByteArray("1 1 #00000 #000000\n") << "#RRGGBB";
        QTest::newRow("colour not hexadecimal")
            << QByteArray("1\n") << QByteArray("1 1 #00GG00 #000000\n") << "#RRGGBB";
        QTest::newRow("red colour missing")
            << QByteArray("1\n") << QByteArray("1 1 #000000\n") << "#RRGGBB";
        QTest::newRow("unknown marker")
            << QByteArray("1\n") << QByteArray("1 1 #000000 #000000 opaque\n") << "unexpected text";
    }

    void refusesFaults()
    {
        QFETCH(QByteArray, map);
        QFETCH(QByteArray, palette);
        QFETCH(QString, message);

        try {
            parse(map, palette);
            QFAIL("the fault was accepted");
        } catch (const std::runtime_error& error) {
            QVERIFY2(QString::fromStdString(error.what()).contains(message), error.what());
        }
    }
};

QTEST_GUILESS_MAIN(tst_LampArt)
#include "tst_lampart.moc"
