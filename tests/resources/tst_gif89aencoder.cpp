#include "Gif89aEncoder.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <stdexcept>

// How a test picture's pixels are chosen.
enum class Fill
{
    OneIndex,
    Alternating,
    Ramp,
    Noise
};
Q_DECLARE_METATYPE(Fill)

// Round trips through Qt's GIF reader, an independent decoder: pictures that
// drive the compressor through its corners (code width changes, strings that
// repeat their own start, a full string table) must come back pixel for pixel.
class tst_Gif89aEncoder : public QObject
{
    Q_OBJECT

private:
    // Every entry its own colour, so a decoded pixel names its index.
    static Rgb colourOf(int index)
    {
        return {static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(255 - index),
                static_cast<std::uint8_t>((index * 37) & 0xFF)};
    }

    static GifImage picture(int width, int height, Fill fill)
    {
        GifImage image{width, height, {}, std::nullopt, {}};
        for (int i = 0; i < 256; ++i)
            image.colours[i] = colourOf(i);
        QRandomGenerator random(20240611);
        const int count = width * height;
        for (int i = 0; i < count; ++i) {
            switch (fill) {
            case Fill::OneIndex:
                image.pixels.push_back(7);
                break;
            case Fill::Alternating:
                image.pixels.push_back(i % 2 ? 200 : 3);
                break;
            case Fill::Ramp:
                image.pixels.push_back(static_cast<std::uint8_t>(i));
                break;
            case Fill::Noise:
                image.pixels.push_back(static_cast<std::uint8_t>(random.bounded(256)));
                break;
            }
        }
        return image;
    }

    static QImage decode(const std::vector<std::uint8_t>& bytes)
    {
        return QImage::fromData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                "GIF");
    }

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<Fill>("fill");
        QTest::addColumn<int>("transparent");

        QTest::newRow("single pixel") << 1 << 1 << Fill::OneIndex << -1;
        QTest::newRow("one index throughout") << 120 << 90 << Fill::OneIndex << -1;
        QTest::newRow("two indices alternating") << 64 << 64 << Fill::Alternating << -1;
        QTest::newRow("every index in turn") << 256 << 3 << Fill::Ramp << -1;
        // About 40000 codes: the string table fills and starts over many times.
        QTest::newRow("noise fills the table") << 300 << 200 << Fill::Noise << -1;
        QTest::newRow("one wide row of noise") << 5000 << 1 << Fill::Noise << -1;
        QTest::newRow("transparent index") << 40 << 30 << Fill::Noise << 29;
    }

    void roundTrip()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(Fill, fill);
        QFETCH(int, transparent);

        GifImage image = picture(width, height, fill);
        if (transparent >= 0)
            image.transparentIndex = static_cast<std::uint8_t>(transparent);
        const QImage decoded = decode(Gif89aEncoder::encode(image));

        QCOMPARE(decoded.size(), QSize(width, height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int index = image.pixels[static_cast<std::size_t>(y * width + x)];
                const QRgb pixel = decoded.pixel(x, y);
                const Rgb expected = colourOf(index);
                const bool good = index == transparent
                                      ? qAlpha(pixel) == 0
                                      : pixel == qRgb(expected.red, expected.green, expected.blue);
                if (!good)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) of index %3 decoded as #%4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(index)
                                         .arg(pixel, 8, 16, QLatin1Char('0'))));
            }
        }
    }

    void refusesImpossibleImages_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pixelCount");

        QTest::newRow("fewer pixels than the size") << 4 << 4 << 15;
        QTest::newRow("more pixels than the size") << 4 << 4 << 17;
        QTest::newRow("no width") << 0 << 4 << 0;
        QTest::newRow("wider than GIF allows") << 65536 << 1 << 65536;
    }

    void refusesImpossibleImages()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, pixelCount);

        GifImage image{width,
                       height,
                       {},
                       std::nullopt,
                       std::vector<std::uint8_t>(static_cast<std::size_t>(pixelCount))};
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Gif89aEncoder::encode(image));
    }
};

QTEST_GUILESS_MAIN(tst_Gif89aEncoder)
#include "tst_gif89aencoder.moc"
