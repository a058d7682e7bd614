// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LampBox.h"
#include "monitor/Quorlin.h"
#include "support/FakePlatform.h"

#include <array>
#include <QImage>
#include <QTest>

namespace {

// The pixel map both lamps share; "." lets the box's background show through.
constexpr std::array<const char*, 15> PixelMap{
    ".....65L96.....", "...85MFPDA46...", "..6MHHCHPPJ48..", ".8MHAKBOK3DJ46.", ".5PCONNBKCPDR5.",
    ".APCKINBKODR2A.", "6APCKBNBOCPDRE.", ".QDHOMKMCPDR2E.", ".ADPPCCCPPDRR4.", ".5QDDPPDDDR2G5.",
    "..Q2J2DRDRRG46.", "..6ER2R2RG216..", "...64EGRG146...", ".....S5756.....", "...............",
};

struct Colour
{
    char symbol;
    QRgb green;
    QRgb red;
};
constexpr std::array<Colour, 28> Colours{{
    {'1', 0x444444, 0x3B3B3B}, {'2', 0x515151, 0x494949}, {'3', 0x7B7B7B, 0x757575},
    {'4', 0x898989, 0x838383}, {'5', 0xC1C1C1, 0xBEBEBE}, {'6', 0xEBEBEB, 0xEAEAEA},
    {'7', 0xC86666, 0x259DFF}, {'8', 0xE4FFE4, 0xFFE3F2}, {'9', 0xA7F0A7, 0xFF93CE},
    {'A', 0x66C866, 0xFF259D}, {'B', 0x83FF83, 0xFF7DC4}, {'C', 0x3EE93E, 0xFF1E9A},
    {'D', 0x1CAF1C, 0xBE0068}, {'E', 0x199019, 0x9A0055}, {'F', 0x00FD00, 0xF10084},
    {'G', 0x007900, 0x670039}, {'H', 0x00FD75, 0xF10015}, {'I', 0xACFFD6, 0xFFA8AC},
    {'J', 0x00A351, 0x930008}, {'K', 0x52FFAF, 0xFF4A4C}, {'L', 0xA7F0F0, 0xFFC493},
    {'M', 0x66C8C8, 0xFF8725}, {'N', 0x83FFFF, 0xFFB87D}, {'O', 0x3EE9E9, 0xFF831E},
    {'P', 0x1CAFAF, 0xBE5600}, {'Q', 0x199090, 0x9A4500}, {'R', 0x007979, 0x672E00},
    {'S', 0xE4E4FF, 0xF2FFE3},
}};

// The opaque colour a symbol stands for in one lamp.
QRgb colourOf(char symbol, bool green)
{
    for (const Colour& colour : Colours) {
        if (colour.symbol == symbol)
            return 0xFF000000 | (green ? colour.green : colour.red);
    }
    return 0;
}

} // namespace

// Both lamps, pixel by pixel, as the main window's lamp boxes show them.
class tst_LampImages : public QObject
{
    Q_OBJECT

private slots:
    void everyPixelMatchesTheMap_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("green");
        for (int i = 0; i < 3; ++i) {
            QTest::addRow("green lamp %d", i) << QStringLiteral("Picture1_%1").arg(i) << true;
            QTest::addRow("red lamp %d", i) << QStringLiteral("Picture2_%1").arg(i) << false;
        }
    }

    void everyPixelMatchesTheMap()
    {
        QFETCH(QString, box);
        QFETCH(bool, green);
        FakePlatform rig;
        const Quorlin window(rig.platform());
        const auto* lamp = window.findChild<LampBox*>(box);
        QVERIFY(lamp);

        const QImage image = lamp->pixmap().toImage();
        QCOMPARE(image.size(), QSize(15, 15));
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                const char symbol = PixelMap[y][x];
                const QRgb pixel = image.pixel(x, y);
                const QString where = QStringLiteral("pixel (%1, %2) '%3' is #%4")
                                          .arg(x)
                                          .arg(y)
                                          .arg(symbol)
                                          .arg(pixel, 8, 16, QLatin1Char('0'));
                if (symbol == '.')
                    QVERIFY2(qAlpha(pixel) == 0, qPrintable(where));
                else
                    QVERIFY2(pixel == colourOf(symbol, green), qPrintable(where));
            }
        }
    }
};

QTEST_MAIN(tst_LampImages)
#include "tst_lampimages.moc"
