#include "LampArt.h"

#include <fstream>
#include <QFile>
#include <QImage>
#include <QTest>

Q_DECLARE_METATYPE(Lamp)

// The lamp images the program embeds, checked against their pixel map and
// colour table: what the image loader shows, and the file structure it hides.
class tst_LampImages : public QObject
{
    Q_OBJECT

private:
    LampArt m_art;

    static void addLampRows()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<Lamp>("lamp");
        QTest::newRow("green") << QStringLiteral(":/lamps/green.gif") << Lamp::Green;
        QTest::newRow("red") << QStringLiteral(":/lamps/red.gif") << Lamp::Red;
    }

    static QByteArray contents(const QString& resource)
    {
        QFile file(resource);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static int word(const QByteArray& bytes, qsizetype at)
    {
        return static_cast<quint8>(bytes[at]) | (static_cast<quint8>(bytes[at + 1]) << 8);
    }

private slots:
    void initTestCase()
    {
        std::ifstream map(LAMP_MAP_FILE);
        std::ifstream palette(LAMP_PALETTE_FILE);
        QVERIFY(map && palette);
        m_art = LampArt::parse(map, palette);
    }

    void everyPixelMatchesTheMap_data() { addLampRows(); }

    void everyPixelMatchesTheMap()
    {
        QFETCH(QString, resource);
        QFETCH(Lamp, lamp);

        const QImage image(resource);
        QVERIFY2(!image.isNull(), qPrintable(resource));
        QCOMPARE(image.size(), QSize(15, 15));
        QCOMPARE(QSize(m_art.width(), m_art.height()), image.size());

        const auto colours = m_art.colourTable(lamp);
        int transparentPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const std::uint8_t index =
                    m_art.indices()[static_cast<std::size_t>(y * image.width() + x)];
                const QRgb pixel = image.pixel(x, y);
                const QString where =
                    QStringLiteral("pixel (%1, %2), entry %3").arg(x).arg(y).arg(index);
                if (index == m_art.transparentIndex()) {
                    ++transparentPixels;
                    QVERIFY2(qAlpha(pixel) == 0, qPrintable(where + " is not transparent"));
                } else {
                    const Rgb colour = colours[index];
                    QVERIFY2(pixel == qRgb(colour.red, colour.green, colour.blue),
                             qPrintable(where));
                }
            }
        }
        // The ball is round on a square: its corners and the last row show through.
        QVERIFY(transparentPixels > 15);
    }

    // What a reader of the image never reports: the header, the full colour
    // table, the transparency block and the image descriptor, in this order.
    void fileStructure_data() { addLampRows(); }

    void fileStructure()
    {
        QFETCH(QString, resource);
        QFETCH(Lamp, lamp);

        const QByteArray gif = contents(resource);
        QVERIFY2(gif.size() > 13 + 768, qPrintable(resource));
        QCOMPARE(gif.left(6), QByteArray("GIF89a"));
        QCOMPARE(word(gif, 6), 15);
        QCOMPARE(word(gif, 8), 15);
        const auto screenFlags = static_cast<quint8>(gif[10]);
        QVERIFY2(screenFlags & 0x80, "no global colour table");
        QCOMPARE(screenFlags & 0x07, 7); // 2^(7+1) = 256 entries

        const auto colours = m_art.colourTable(lamp);
        for (int i = 0; i < 256; ++i) {
            const qsizetype at = 13 + 3 * i;
            const Rgb stored{static_cast<quint8>(gif[at]), static_cast<quint8>(gif[at + 1]),
                             static_cast<quint8>(gif[at + 2])};
            QVERIFY2(stored == colours[i],
                     qPrintable(QStringLiteral("colour table entry %1").arg(i)));
        }
        QVERIFY(colours[m_art.transparentIndex()] == (Rgb{0xC0, 0xC0, 0xC0}));

        qsizetype at = 13 + 768;
        int controlBlocks = 0;
        int images = 0;
        while (at < gif.size() && static_cast<quint8>(gif[at]) != 0x3B) {
            QVERIFY2(gif.size() - at > 11, "the file ends inside a block");
            const auto introducer = static_cast<quint8>(gif[at]);
            if (introducer == 0x21 && static_cast<quint8>(gif[at + 1]) == 0xF9) {
                ++controlBlocks;
                QCOMPARE(images, 0); // it must come before the image it governs
                QCOMPARE(int(gif[at + 2]), 4);
                QCOMPARE(gif[at + 3] & 0x01, 1); // transparent colour flag
                QCOMPARE(static_cast<quint8>(gif[at + 6]), m_art.transparentIndex());
                QCOMPARE(int(gif[at + 7]), 0);
                at += 8;
            } else if (introducer == 0x2C) {
                ++images;
                QCOMPARE(word(gif, at + 1), 0);
                QCOMPARE(word(gif, at + 3), 0);
                QCOMPARE(word(gif, at + 5), 15);
                QCOMPARE(word(gif, at + 7), 15);
                const auto imageFlags = static_cast<quint8>(gif[at + 9]);
                QCOMPARE(imageFlags & 0x80, 0); // no local colour table
                QCOMPARE(imageFlags & 0x40, 0); // not interlaced
                QCOMPARE(int(gif[at + 10]), 8); // minimum code size
                at += 11;
                while (at < gif.size() && gif[at] != 0)
                    at += 1 + static_cast<quint8>(gif[at]);
                ++at;
            } else {
                QFAIL(qPrintable(QStringLiteral("unexpected block 0x%1 at byte %2")
                                     .arg(introducer, 2, 16)
                                     .arg(at)));
            }
        }
        QCOMPARE(controlBlocks, 1);
        QCOMPARE(images, 1);
        QCOMPARE(at, gif.size() - 1); // the trailer ends the file
    }
};

QTEST_GUILESS_MAIN(tst_LampImages)
#include "tst_lampimages.moc"
