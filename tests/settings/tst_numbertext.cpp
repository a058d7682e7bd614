// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/NumberText.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void fromNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1500.0 << "1500";
        QTest::newRow("negative") << -60.0 << "-60";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("fraction") << 12.5 << "12.5";
        QTest::newRow("large whole, no exponent") << 123456789.0 << "123456789";
    }
    void fromNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::fromNumber(value), text);
    }

    // Columns: the text, then what each parse gives; NaN marks "no number".
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("asDouble");
        QTest::addColumn<int>("asInt16"); // -99999: none
        QTest::addColumn<bool>("isSingle");
        const double none = qQNaN();
        QTest::newRow("port") << "1" << 1.0 << 1 << true;
        QTest::newRow("negative position") << "-60" << -60.0 << -60 << true;
        QTest::newRow("surrounding blanks") << " 12 " << 12.0 << 12 << true;
        QTest::newRow("whole with point") << "1.0" << 1.0 << 1 << true;
        QTest::newRow("fraction") << "1.5" << 1.5 << -99999 << true;
        QTest::newRow("int16 top") << "32767" << 32767.0 << 32767 << true;
        QTest::newRow("int16 bottom") << "-32768" << -32768.0 << -32768 << true;
        QTest::newRow("beyond int16") << "99999" << 99999.0 << -99999 << true;
        QTest::newRow("beyond single") << "1e39" << 1e39 << -99999 << false;
        QTest::newRow("letters") << "abc" << none << -99999 << false;
        QTest::newRow("empty") << "" << none << -99999 << false;
        QTest::newRow("blanks") << "   " << none << -99999 << false;
        QTest::newRow("trailing junk") << "12abc" << none << -99999 << false;
        QTest::newRow("infinity") << "inf" << none << -99999 << false;
        QTest::newRow("not a number") << "nan" << none << -99999 << false;
        QTest::newRow("huge text") << QString(100000, '9') << none << -99999 << false;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(double, asDouble);
        QFETCH(int, asInt16);
        QFETCH(bool, isSingle);

        const auto d = NumberText::toDouble(text);
        QCOMPARE(d.has_value(), !qIsNaN(asDouble));
        if (d)
            QCOMPARE(*d, asDouble);

        const auto i = NumberText::toInt16(text);
        QCOMPARE(i.has_value(), asInt16 != -99999);
        if (i)
            QCOMPARE(int(*i), asInt16);

        const auto s = NumberText::toSingle(text);
        QCOMPARE(s.has_value(), isSingle);
        if (s)
            QCOMPARE(double(*s), asDouble);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
