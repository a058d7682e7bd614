// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include <algorithm>
#include <functional>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QTest>

// Colour families the icon's artwork is made of.
enum class Tone
{
    White,
    Green,
    Red,
    Grey
};
Q_DECLARE_METATYPE(Tone)

// The application icon and the About dialog's icon as the program embeds and
// installs them.
class tst_Icons : public QObject
{
    Q_OBJECT

private:
    static bool hasTone(QRgb pixel, Tone tone)
    {
        const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
        switch (tone) {
        case Tone::White:
            return std::min({r, g, b}) >= 250;
        case Tone::Green:
            return g >= 120 && g > r + 60 && g > b + 60;
        case Tone::Red:
            return r >= 160 && r > g + 80 && r > b + 80;
        case Tone::Grey:
            return std::max({r, g, b}) - std::min({r, g, b}) <= 12 && r >= 80 && r <= 220;
        }
        return false;
    }

    static int count(const QImage& image, const QRect& area,
                     const std::function<bool(QRgb)>& wanted)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += wanted(image.pixel(x, y)) ? 1 : 0;
        return n;
    }

    // The standard 16-colour palette of VGA and Windows.
    static bool inStandardPalette(QRgb pixel)
    {
        static constexpr QRgb Palette[] = {
            0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
            0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
        return std::find(std::begin(Palette), std::end(Palette), pixel & 0xFFFFFF) !=
               std::end(Palette);
    }

private slots:
    // PNG colour type 2 at 8 bits is 24-bit colour with no alpha channel, and
    // every pixel is opaque.
    void rasterIconsAreOpaqueTrueColour_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("embedded") << QStringLiteral(":/icons/quorlin.png") << QSize(119, 127);
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("theme %d", side)
                << QStringLiteral(THEME_ICON_FOLDER "/%1x%1/apps/quorlin.png").arg(side)
                << QSize(side, side);
    }

    void rasterIconsAreOpaqueTrueColour()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);

        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray png = file.readAll();
        QCOMPARE(png.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
        QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(int(png[24]), 8); // bit depth
        QCOMPARE(int(png[25]), 2); // truecolour

        const QImage image = QImage::fromData(png);
        QCOMPARE(image.size(), size);
        QVERIFY(!image.hasAlphaChannel());
        const QRect all = image.rect();
        QCOMPARE(count(image, all, [](QRgb p) { return qAlpha(p) == 255; }),
                 size.width() * size.height());
        QVERIFY(count(image, all, [](QRgb p) { return hasTone(p, Tone::White); }) >
                all.width() * 4);
    }

    // Two meters, one above the other: each half shows a grey frame, a green
    // and a red end of the scale and the red needle.
    void appIconShowsTwoMeters_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<Tone>("tone");
        QTest::addColumn<int>("atLeast");

        const QRect top(0, 0, 119, 63);
        const QRect bottom(0, 64, 119, 63);
        for (const auto& [name, area] : {std::pair{"top", top}, std::pair{"bottom", bottom}}) {
            QTest::addRow("%s meter grey frame", name) << area << Tone::Grey << 2 * (119 + 60);
            QTest::addRow("%s meter green scale", name) << area << Tone::Green << 40;
            QTest::addRow("%s meter red scale and needle", name) << area << Tone::Red << 60;
            QTest::addRow("%s meter white face", name) << area << Tone::White << 2500;
        }
        QTest::newRow("white between the meters")
            << QRect(0, 62, 119, 3) << Tone::White << 119 * 3 - 12;
    }

    void appIconShowsTwoMeters()
    {
        QFETCH(QRect, area);
        QFETCH(Tone, tone);
        QFETCH(int, atLeast);

        const QImage image(QStringLiteral(":/icons/quorlin.png"));
        QCOMPARE(image.size(), QSize(119, 127));
        const int found = count(image, area, [tone](QRgb p) { return hasTone(p, tone); });
        QVERIFY2(found >= atLeast, qPrintable(QStringLiteral("%1 pixels").arg(found)));
    }

    void aboutIconUsesTheStandardPalette()
    {
        const QImage image(QStringLiteral(":/icons/about.xpm"));
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());

        int transparent = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = image.pixel(x, y);
                const QString where = QStringLiteral("pixel (%1, %2)").arg(x).arg(y);
                QVERIFY2(qAlpha(pixel) == 0 || qAlpha(pixel) == 255,
                         qPrintable(where + " is half transparent"));
                if (qAlpha(pixel) == 0)
                    ++transparent;
                else
                    QVERIFY2(inStandardPalette(pixel), qPrintable(where));
            }
        }
        QVERIFY(transparent > 0);
    }

    void aboutIconShowsItsParts_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("white walls") << QRgb(0xFFFFFFFF);
        QTest::newRow("purple doorway") << QRgb(0xFF800080);
        QTest::newRow("cyan roof edge") << QRgb(0xFF00FFFF);
        QTest::newRow("grey shadow") << QRgb(0xFF808080);
        QTest::newRow("green slab") << QRgb(0xFF00FF00);
        QTest::newRow("yellow slab") << QRgb(0xFFFFFF00);
    }

    void aboutIconShowsItsParts()
    {
        QFETCH(QRgb, colour);
        const QImage image(QStringLiteral(":/icons/about.xpm"));
        QVERIFY(count(image, image.rect(), [colour](QRgb p) { return p == colour; }) >= 8);
    }
};

QTEST_MAIN(tst_Icons)
#include "tst_icons.moc"
