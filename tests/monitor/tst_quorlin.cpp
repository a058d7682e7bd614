// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "about/frmAbout.h"
#include "monitor/LampBox.h"
#include "monitor/Quorlin.h"
#include "platform/desktop/ReadableText.h"
#include "settings/QSettingsStore.h"
#include "settings/SettingsSchema.h"
#include "support/FakePlatform.h"
#include "support/QuorlinControls.h"
#include "support/TestSettingsFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace QuorlinControls;
using SettingsSchema::Key;

namespace {
const QString NotAvailable = QStringLiteral(": not available. Check for correct Com Port.");

QString stored(const FakePlatform& rig, Key key)
{
    return SettingsSchema::read(rig.store, key);
}

QList<int> ticked(const Quorlin& window)
{
    QList<int> ports;
    for (int k = 1; k <= Quorlin::PortCount; ++k) {
        if (portItem(window, k)->isChecked())
            ports.append(k);
    }
    return ports;
}

QList<bool> greenRows(const Quorlin& window)
{
    return {greenLamp(window, 0)->isVisibleTo(&window), greenLamp(window, 1)->isVisibleTo(&window),
            greenLamp(window, 2)->isVisibleTo(&window)};
}
} // namespace

class TestQuorlin : public QObject
{
    Q_OBJECT

private slots:
    void controlsAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Text1") << "Text1" << QRect(120, 240, 1215, 285);
        QTest::newRow("Text2") << "Text2" << QRect(120, 600, 1215, 285);
        QTest::newRow("Text3") << "Text3" << QRect(120, 960, 1215, 285);
        QTest::newRow("Picture1(0)") << "Picture1_0" << QRect(1560, 240, 255, 255);
        QTest::newRow("Picture2(1)") << "Picture2_1" << QRect(1560, 600, 255, 255);
        QTest::newRow("Picture1(2)") << "Picture1_2" << QRect(1560, 960, 255, 255);
        QTest::newRow("Label2") << "Label2" << QRect(120, 1440, 1320, 255);
        QTest::newRow("chkOnTop") << "chkOnTop" << QRect(1440, 1440, 255, 255);
    }
    void controlsAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        FakePlatform rig;
        Quorlin window(rig.platform());
        const double perPixel = 1440.0 / window.screen()->logicalDotsPerInchX();
        const auto* control = window.findChild<QWidget*>(name);
        QVERIFY(control);
        const QRect expected(qRound(twips.x() / perPixel), qRound(twips.y() / perPixel),
                             qRound(twips.width() / perPixel), qRound(twips.height() / perPixel));
        // Where it lies in the client area, whichever control holds it.
        QCOMPARE(QRect(control->mapTo(window.centralWidget(), QPoint(0, 0)), control->size()),
                 expected);
    }

    void layoutGrowsWithTheFont_data()
    {
        QTest::addColumn<double>("points");
        QTest::newRow("10 pt") << 10.0;
        QTest::newRow("11 pt") << 11.0;
        QTest::newRow("14 pt") << 14.0;
    }
    void layoutGrowsWithTheFont()
    {
        QFETCH(double, points);
        const QFont before = QApplication::font();
        QFont font = before;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        FakePlatform rig;
        Quorlin window(rig.platform());
        QApplication::setFont(before);
        const auto* caption = window.findChild<QLabel*>("Label2");
        const double perPixel = 1440.0 / window.screen()->logicalDotsPerInchX();
        QVERIFY(caption->width() >= qRound(1320 * points / 9 / perPixel));
        QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width());
        const QLineEdit* text = label(window, 0);
        QVERIFY(text->fontMetrics().horizontalAdvance(text->text()) < text->width());
        // File, Com and Help on one line of the bar.
        QVERIFY(window.menuBar()->sizeHint().width() <= window.width());
    }

    void labelTextReadableOnADarkTheme()
    {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
        FakePlatform rig;
        Quorlin window(rig.platform());
        QApplication::setPalette(before);
        const QPalette colours = label(window, 0)->palette();
        QVERIFY(ReadableText::contrast(colours.color(QPalette::Text),
                                       colours.color(QPalette::Base)) >= 4.5);
    }

    void lampsInWholePixelBlocksAtTwiceTheSize()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        auto* lamp = window.findChild<LampBox*>("Picture2_0");
        QVERIFY(lamp);
        lamp->resize(2 * LampBox::BoxSize, 2 * LampBox::BoxSize);
        const QImage shown = lamp->grab().toImage();
        const QImage image = lamp->pixmap().toImage();
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                if (qAlpha(image.pixel(x, y)) != 255)
                    continue;
                for (const QPoint block : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                    QCOMPARE(shown.pixel(QPoint(2 * x, 2 * y) + block), image.pixel(x, y));
            }
        }
    }

    void initialState()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        QCOMPARE(window.windowTitle(), "Quorlin");
        QCOMPARE(label(window, 0)->text(), "Status Pin 1");
        QCOMPARE(label(window, 2)->text(), "Status Pin 3");
        QCOMPARE(window.findChild<QLabel*>("Label2")->text(), "Always On Top");
        QVERIFY(!onTopBox(window)->isChecked());
        QCOMPARE(greenRows(window), QList<bool>({false, false, false}));
        for (int row = 0; row < 3; ++row)
            QVERIFY(redLamp(window, row)->isVisibleTo(&window));
        QVERIFY(ticked(window).isEmpty());
        QVERIFY(pollTimer(window)->isActive());
        QCOMPARE(pollTimer(window)->intervalAsDuration(), std::chrono::milliseconds(100));
        QVERIFY(!rig.serial.comm.portOpen());
        QCOMPARE(label(window, 0)->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(greenLamp(window, 0)->pixmap().size(), QSize(15, 15));
    }

    void menus()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        QStringList titles;
        for (QAction* menu : window.menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, QStringList({"&File", "&Com", "&Help"}));
        QStringList items;
        for (const char* name : {"mnuFile", "mnuCom", "mnuHelp"}) {
            const QMenu* menu = window.findChild<QMenu*>(name);
            for (QAction* item : menu->actions()) {
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
                QVERIFY(item->shortcut().isEmpty());
            }
        }
        QCOMPARE(items,
                 QStringList({"&Timeline…",  "&Exit",  "&Com1", "&Com2", "&Com3",      "&Com4",
                              "&Com5",       "&Com6",  "&Com7", "&Com8", "&Com9",      "-",
                              "&Ports…",     "-",      "&DTR",  "&RTS",  "Pulse D&TR", "Pulse RT&S",
                              "Send &Break", "&Index", "&About"}));
    }

    void portItemsNameTheirDevices()
    {
        FakePlatform rig;
        rig.devices = {{"fake2", "", "FT232R USB UART", "FTDI", "A50285BI"},
                       {"/dev/ttyUSB1", "", "", "", ""}};
        Quorlin window(rig.platform());
        // Listed as the menu opens: listing the devices may probe them.
        emit window.findChild<QMenu*>("mnuCom")->aboutToShow();
        QCOMPARE(portItem(window, 2)->toolTip(), "Com2: fake2, FT232R USB UART");
        QCOMPARE(portItem(window, 2)->statusTip(), "Com2: fake2, FT232R USB UART");
        QCOMPARE(portItem(window, 1)->toolTip(), "Com1: fake1");
        QCOMPARE(portItem(window, 3)->toolTip(), "Com3: no device");
    }

    void firstStartWithAnEmptyStore()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);

        const double perPixel = 1440.0 / window.screen()->logicalDotsPerInchX();
        QCOMPARE(
            rig.store.writes.mid(0, 7),
            QStringList({QStringLiteral("Settings/Position-Left=%1").arg(window.x() * perPixel),
                         QStringLiteral("Settings/Position-Top=%1").arg(window.y() * perPixel),
                         "Settings/OnTop=0", "Settings/Status1=Status Pin 1",
                         "Settings/Status2=Status Pin 2", "Settings/Status3=Status Pin 3",
                         "Settings/ComPort=1"}));
        QCOMPARE(label(window, 1)->text(), "Status Pin 2");
        QVERIFY(!onTopBox(window)->isChecked());
        QCOMPARE(ticked(window), QList<int>{1});
        QVERIFY(rig.port(1).isOpen && rig.port(1).rts && rig.port(1).dtr);
        QVERIFY(rig.messages.texts.isEmpty());
        QCOMPARE(QApplication::focusWidget(), onTopBox(window));
        QCOMPARE(window.centralWidget()->size(),
                 QSize(qRound(2010 / perPixel), qRound(1875 / perPixel)));
    }

    void storedPortThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("comPort");
        QTest::addColumn<QList<int>>("ticks");
        QTest::newRow("menu port without device") << "3" << QList<int>{3};
        QTest::newRow("port beyond the menu") << "12" << QList<int>{};
        QTest::newRow("not a number") << "abc" << QList<int>{};
        QTest::newRow("beyond 16 bits") << "99999" << QList<int>{};
        QTest::newRow("fraction") << "1.5" << QList<int>{};
    }
    void storedPortThatCannotBeOpened()
    {
        QFETCH(QString, comPort);
        QFETCH(QList<int>, ticks);
        FakePlatform rig;
        SettingsSchema::write(rig.store, Key::ComPort, comPort);
        Quorlin window(rig.platform());
        showAndActivate(window);

        QCOMPARE(rig.messages.texts, QStringList{"COM " + comPort + NotAvailable});
        QVERIFY(!rig.serial.comm.portOpen());
        QCOMPARE(ticked(window), ticks);
        QCOMPARE(stored(rig, Key::ComPort), comPort);
    }

    void choosingAnotherPort()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);

        portItem(window, 2)->trigger();
        QVERIFY(!rig.port(1).isOpen);
        QVERIFY(rig.port(2).isOpen && rig.port(2).rts && rig.port(2).dtr);
        QCOMPARE(ticked(window), QList<int>{2});
        QCOMPARE(stored(rig, Key::ComPort), "2");

        // A port that fails to open is still the chosen one.
        portItem(window, 4)->trigger();
        QCOMPARE(rig.messages.texts, QStringList{"COM 4" + NotAvailable});
        QCOMPARE(ticked(window), QList<int>{4});
        QCOMPARE(stored(rig, Key::ComPort), "4");
        QVERIFY(!rig.port(2).isOpen);
    }

    void choosingTheOpenPortReopensIt()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        portItem(window, 1)->trigger();
        QCOMPARE(rig.port(1).closes, 1);
        QCOMPARE(rig.port(1).opens, 2);
        QVERIFY(rig.port(1).isOpen);
        QCOMPARE(ticked(window), QList<int>{1});
    }

    void editsSurviveAPortChoiceAndARestart()
    {
        FakePlatform rig;
        {
            Quorlin window(rig.platform());
            showAndActivate(window);
            label(window, 0)->clear();
            QTest::keyClicks(label(window, 0), "Carrier");
            window.move(window.pos() + QPoint(30, 20));
            QCoreApplication::processEvents(); // the window system reports the move
            const QPoint moved = window.pos();
            portItem(window, 2)->trigger();
            QCOMPARE(label(window, 0)->text(), "Carrier");
            QCOMPARE(window.pos(), moved);
            window.close();
        }
        QCOMPARE(stored(rig, Key::Status1), "Carrier");
        Quorlin again(rig.platform());
        showAndActivate(again);
        QCOMPARE(label(again, 0)->text(), "Carrier");
        QCOMPARE(rig.serial.comm.commPort(), 2);
    }

    void closingBeforeTheFirstActivationKeepsTheStore_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("never shown") << false;
        QTest::newRow("closed as soon as shown") << true;
    }
    void closingBeforeTheFirstActivationKeepsTheStore()
    {
        QFETCH(bool, shown);
        FakePlatform rig;
        SettingsSchema::write(rig.store, Key::Status1, "CTS from the modem");
        rig.store.writes.clear();
        Quorlin window(rig.platform());
        QSignalSpy unloaded(&window, &Quorlin::unloaded);
        if (shown)
            window.show();
        window.close();
        QCoreApplication::processEvents(); // the activation it had queued, if any
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(rig.store.writes, QStringList());
        QCOMPARE(rig.port(1).attempts, 0);
    }

    void editsAreSavedOnceTheUserPauses()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        rig.store.writes.clear();
        QTest::keyClicks(label(window, 0), "CD");
        window.move(window.pos() + QPoint(10, 0));
        window.move(window.pos() + QPoint(10, 0));
        QCOMPARE(rig.store.writes, QStringList()); // nothing yet, at every key or pixel
        const double perPixel = 1440.0 / window.screen()->logicalDotsPerInchX();
        QTRY_COMPARE(
            rig.store.writes,
            QStringList({QStringLiteral("Settings/Position-Left=%1").arg(window.x() * perPixel),
                         QStringLiteral("Settings/Position-Top=%1").arg(window.y() * perPixel),
                         "Settings/Status1=Status Pin 1CD"}));
    }

    void aFailedSaveIsReportedOnce()
    {
        FakePlatform rig;
        SettingsSchema::write(rig.store, Key::ComPort, "1");
        rig.store.refusesWrites = true;
        Quorlin window(rig.platform());
        QSignalSpy unloaded(&window, &Quorlin::unloaded);
        showAndActivate(window); // seeding fails
        QCOMPARE(rig.messages.texts.size(), 1);
        QVERIFY(rig.port(1).isOpen); // and the program goes on

        QTest::keyClicks(label(window, 1), "x");
        QTRY_VERIFY(rig.store.writes.last().startsWith("Settings/Status2="));
        QCOMPARE(rig.messages.texts.size(), 1);

        // After a save that gets through, the next failure is told again.
        rig.store.refusesWrites = false;
        onTopBox(window)->click();
        rig.store.refusesWrites = true;
        action(window, "mnuExit")->trigger();
        QCOMPARE(rig.messages.texts.size(), 2);
        QCOMPARE(unloaded.count(), 1);
    }

    void longLabelsAreKeptWhole()
    {
        FakePlatform rig;
        const QString longLabel(100000, 'L');
        SettingsSchema::write(rig.store, Key::Status3, longLabel);
        Quorlin window(rig.platform());
        showAndActivate(window);
        QCOMPARE(label(window, 2)->text(), longLabel);
        window.close();
        QCOMPARE(stored(rig, Key::Status3), longLabel);
    }

    void clearedLabelComesBackAsItsDefault()
    {
        FakePlatform rig;
        SettingsSchema::write(rig.store, Key::Status2, "   ");
        Quorlin window(rig.platform());
        showAndActivate(window);
        QCOMPARE(label(window, 1)->text(), "   "); // blanks are a label too
        label(window, 1)->selectAll();
        QTest::keyClick(label(window, 1), Qt::Key_Delete);
        window.close();
        QCOMPARE(stored(rig, Key::Status2), "");
        Quorlin again(rig.platform());
        showAndActivate(again);
        QCOMPARE(label(again, 1)->text(), "Status Pin 2");
    }

    void lampsFollowTheLines_data()
    {
        QTest::addColumn<bool>("cd");
        QTest::addColumn<bool>("dsr");
        QTest::addColumn<bool>("cts");
        for (int lines = 0; lines < 8; ++lines) {
            const bool cd = lines & 1, dsr = lines & 2, cts = lines & 4;
            QTest::addRow("CD %d DSR %d CTS %d", cd, dsr, cts) << cd << dsr << cts;
        }
    }
    void lampsFollowTheLines()
    {
        QFETCH(bool, cd);
        QFETCH(bool, dsr);
        QFETCH(bool, cts);
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        // Start from the opposite of what the lines say, so every lamp must change.
        rig.port(1).cd = !cd;
        rig.port(1).dsr = !dsr;
        rig.port(1).cts = !cts;
        QTRY_COMPARE(greenRows(window), QList<bool>({!cd, !dsr, !cts}));
        rig.port(1).cd = cd;
        rig.port(1).dsr = dsr;
        rig.port(1).cts = cts;
        QTRY_COMPARE(greenRows(window), QList<bool>({cd, dsr, cts}));

        // What the user sees on top, and what a screen reader reads of each row.
        const QStringList lines{"Carrier Detect", "Data Set Ready", "Clear To Send"};
        for (int i = 0; i < 3; ++i) {
            const bool on = QList<bool>{cd, dsr, cts}[i];
            const QPoint centre = redLamp(window, i)->geometry().center();
            QCOMPARE(window.centralWidget()->childAt(centre),
                     on ? greenLamp(window, i) : redLamp(window, i));
            QCOMPARE(redLamp(window, i)->accessibleDescription(), on ? "on" : "off");
            QCOMPARE(redLamp(window, i)->toolTip(), lines[i] + (on ? ": on" : ": off"));
        }
    }

    void aPulseBetweenTicksFlashesItsLampAndIsCounted()
    {
        FakePlatform rig;
        rig.port(1).edges = EdgeCounts{};
        Quorlin window(rig.platform());
        showAndActivate(window);
        QVERIFY(nextTick(window));
        const QLabel* cts = redLamp(window, 2);
        // Clear To Send went on and off again between two ticks: green for a tick.
        rig.port(1).edges->clearToSend = 2;
        QVERIFY(nextTick(window));
        QCOMPARE(greenRows(window), QList<bool>({false, false, true}));
        QCOMPARE(cts->accessibleDescription(), "off, 1 pulse");
        QCOMPARE(cts->toolTip(), "Clear To Send: off, 1 pulse");
        QTRY_COMPARE(greenRows(window), QList<bool>({false, false, false}));
        rig.port(1).edges->clearToSend = 6;
        QTRY_COMPARE(cts->toolTip(), "Clear To Send: off, 3 pulses");

        // Counted since the port opened.
        action(window, "mnuCom1")->trigger();
        QVERIFY(nextTick(window));
        QCOMPARE(cts->toolTip(), "Clear To Send: off");
    }

    void failedReadEndsTheTickAndLosesThePort()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        rig.port(1).cts = rig.port(1).cd = rig.port(1).dsr = true;
        QTRY_COMPARE(greenRows(window), QList<bool>({true, true, true}));
        rig.port(1).cts = rig.port(1).cd = rig.port(1).dsr = false;
        rig.port(1).cdFails = true;
        // Clear To Send is read before the failure; the rows after it keep their state.
        QTRY_VERIFY(!greenLamp(window, 2)->isVisibleTo(&window));
        QVERIFY(nextTick(window));
        QCOMPARE(greenRows(window), QList<bool>({true, true, false}));
        // A port read fine before that fails now has lost its device.
        QTRY_COMPARE(rig.messages.texts, QStringList{"COM 1" + NotAvailable});
        QVERIFY(!rig.port(1).isOpen);
    }

    void lampsFreezeWhileThePortIsClosed()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        rig.port(1).cts = true;
        QTRY_COMPARE(greenRows(window), QList<bool>({false, false, true}));
        action(window, "mnuAbout")->trigger(); // closes the port
        QVERIFY(!rig.port(1).isOpen);
        rig.port(1).cts = false;
        QVERIFY(nextTick(window));
        QCOMPARE(greenRows(window), QList<bool>({false, false, true}));
    }

    void aboutTwiceShowsOneDialog()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        action(window, "mnuAbout")->trigger();
        QPointer<frmAbout> first = aboutDialog();
        QVERIFY(first && first->isVisible());
        first->lblVersion->setText("changed");
        action(window, "mnuAbout")->trigger();
        QCOMPARE(aboutDialog(), first.data());
        QCOMPARE(first->lblVersion->text(), "changed"); // no load steps the second time

        first->close();
        QTRY_VERIFY(!first);
        action(window, "mnuAbout")->trigger();
        QVERIFY(aboutDialog());
        QCOMPARE(aboutDialog()->lblVersion->text(), "Version 1.0.0");
    }

    void onTopFromTheStore_data()
    {
        QTest::addColumn<QString>("onTop");
        QTest::addColumn<bool>("checked");
        QTest::newRow("set") << "1" << true;
        QTest::newRow("clear") << "0" << false;
        QTest::newRow("not a number") << "abc" << false;
        QTest::newRow("other number") << "2" << false;
    }
    void onTopFromTheStore()
    {
        QFETCH(QString, onTop);
        QFETCH(bool, checked);
        FakePlatform rig;
        SettingsSchema::write(rig.store, Key::OnTop, onTop);
        Quorlin window(rig.platform());
        showAndActivate(window);
        QCOMPARE(onTopBox(window)->isChecked(), checked);
        QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), checked);
        QCOMPARE(stored(rig, Key::OnTop), onTop); // loading never rewrites it differently
    }

    void clickingTheBox()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        const QRect before = window.frameGeometry();

        QTest::keyClick(onTopBox(window), Qt::Key_Space); // the box has the focus at start
        QVERIFY(onTopBox(window)->isChecked());
        QCOMPARE(stored(rig, Key::OnTop), "1");
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.frameGeometry(), before);

        onTopBox(window)->click();
        QCOMPARE(stored(rig, Key::OnTop), "0");
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());

        QTest::mouseClick(window.findChild<QLabel*>("Label2"), Qt::LeftButton);
        QVERIFY(!onTopBox(window)->isChecked());
    }

    void exitPathWritesWhatTheUserChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("nothing") << "" << QStringList();
        QTest::newRow("labels and box set by the program") << "set" << QStringList();
        QTest::newRow("a label typed") << "type" << QStringList{"Settings/Status3=Status Pin 3CTS"};
        QTest::newRow("a label typed and saved at the pause")
            << "type, pause" << QStringList{"Settings/Status3=Status Pin 3CTS"};
        QTest::newRow("the box clicked") << "click" << QStringList{"Settings/OnTop=1"};
        QTest::newRow("moved") << "move"
                               << QStringList{"Settings/Position-Left", "Settings/Position-Top"};
    }
    void exitPathWritesWhatTheUserChanged()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, written);
        FakePlatform rig;
        Quorlin window(rig.platform());
        QSignalSpy unloaded(&window, &Quorlin::unloaded);
        showAndActivate(window);
        rig.store.writes.clear();
        if (change == "set") {
            label(window, 2)->setText("CTS");
            onTopBox(window)->setChecked(true);
        } else if (change.startsWith("type")) {
            QTest::keyClicks(label(window, 2), "CTS");
        } else if (change == "click") {
            onTopBox(window)->click();
        } else if (change == "move") {
            window.move(window.pos() + QPoint(10, 0));
            QCoreApplication::processEvents(); // the window system reports the move
        }
        if (change.endsWith("pause"))
            QTRY_VERIFY(!rig.store.writes.isEmpty());
        rig.store.writes.clear();

        // Another window on the same file, or the user's editor, changed the
        // rest meanwhile: the exit path leaves it so.
        action(window, "mnuExit")->trigger();
        QStringList keys = rig.store.writes;
        if (change == "move") // at whatever the twips of this screen make of it
            keys.replaceInStrings(QRegularExpression("=.*"), QString());
        QCOMPARE(keys, written);
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!pollTimer(window)->isActive());
    }

    void exitKeepsWhatOthersWroteToTheFile()
    {
        const QString file = TestSettingsFile::path();
        QVERIFY2(!file.isEmpty(), "refusing to run against the real settings folder");
        QFile::remove(file);
        FakePlatform rig;
        QSettingsStore store;
        Quorlin window(Platform{store, rig.serial.comm, rig.messages, rig.help, rig.registry,
                                rig.programs, [] { return QList<SerialDeviceInfo>(); },
                                rig.helpFile, rig.windowSystem});
        showAndActivate(window);
        QTRY_VERIFY(rig.port(1).isOpen); // the file is seeded and loaded

        QTest::keyClicks(label(window, 0), " CD");
        // Another window on the file saves its label; the user edits the
        // file by hand.
        QSettingsStore otherWindow;
        SettingsSchema::write(otherWindow, Key::Status2, "DSR over there");
        QByteArray text = TestSettingsFile::read(file);
        QVERIFY(text.contains("Status3=Status Pin 3\n"));
        TestSettingsFile::write(file, text.replace("Status3=Status Pin 3", "Status3=CTS by hand"));
        window.close();

        QSettingsStore reread;
        QCOMPARE(SettingsSchema::read(reread, Key::Status1), "Status Pin 1 CD");
        QCOMPARE(SettingsSchema::read(reread, Key::Status2), "DSR over there");
        QCOMPARE(SettingsSchema::read(reread, Key::Status3), "CTS by hand");
    }

    void nativeWaylandStoresNoPositionAndOffersKeepAbove()
    {
        FakePlatform rig;
        rig.windowSystem = {.reportsPosition = false, .keepsAbove = false};
        SettingsSchema::write(rig.store, Key::PositionLeft, "1500");
        SettingsSchema::write(rig.store, Key::PositionTop, "900");
        SettingsSchema::write(rig.store, Key::OnTop, "1");
        rig.store.writes.clear();
        {
            Quorlin window(rig.platform());
            showAndActivate(window);
            QTRY_VERIFY(rig.port(1).isOpen);
            QVERIFY(!onTopBox(window)->isEnabled());
            QVERIFY(onTopBox(window)->isChecked()); // the choice, kept for another desktop
            QVERIFY(onTopBox(window)->toolTip().contains("\"Keep Above\""));
            // pos() is only what was asked for: no move reaches the store.
            window.move(window.pos() + QPoint(40, 30));
            QTRY_COMPARE(window.windowHandle()->framePosition(), window.pos());
            action(window, "mnuExit")->trigger(); // writes a move it had counted, saved or not
        }
        QCOMPARE(rig.store.writes.filter("Position"), QStringList());
        QCOMPARE(stored(rig, Key::PositionLeft), "1500");
        QCOMPARE(stored(rig, Key::PositionTop), "900");
    }

    void helpIndexLeavesThePortAlone()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        rig.port(1).cts = true;
        QTRY_COMPARE(greenRows(window), QList<bool>({false, false, true}));
        action(window, "mnuIndex")->trigger();
        // The viewer shows the rig's help file, or the message box reports it missing.
        QCOMPARE(rig.help.shownFiles.size() + rig.messages.texts.size(), 1);
        QVERIFY(rig.port(1).isOpen);
        QCOMPARE(rig.port(1).opens, 1);
        QCOMPARE(greenRows(window), QList<bool>({false, false, true}));
    }
};

QTEST_MAIN(TestQuorlin)
#include "tst_quorlin.moc"
