// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "about/frmAbout.h"
#include "platform/desktop/ReadableText.h"
#include "platform/desktop/ScreenTwips.h"
#include "support/FakeMessageBox.h"
#include "support/FakeProgramLauncher.h"
#include "support/FakeRegistry.h"
#include "support/WindowWaits.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString Tool = QStringLiteral("C:\\Tools\\msinfo32.exe");

enum class Press
{
    ClickOK,
    EnterOnOK,
    SpaceOnOK,
    Escape,
    CloseBox,
    EnterOnIcon,
    EscapeOnSysInfo,
    EnterOnSysInfo,
    SpaceOnSysInfo,
    AltS,
};

} // namespace

Q_DECLARE_METATYPE(Press)

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void texts_data();
    void texts();
    void geometryAt96Dpi_data();
    void geometryAt96Dpi();
    void descriptionIsNeverCutOff();
    void etchedRuleIsDrawn_data();
    void etchedRuleIsDrawn();
    void textsReadableOnADarkTheme();
    void iconInItsFrame();
    void fixedDialogFrameWithCloseBoxOnly();
    void focusStartsOnOK();
    void tabOrder_data();
    void tabOrder();
    void closingDestroysTheDialog_data();
    void closingDestroysTheDialog();
    void systemInfo_data();
    void systemInfo();

private:
    // Shows a fresh dialog and waits until it has the keyboard.
    void showDialog();
    void press(Press how);

    FakeRegistry m_registry;
    FakeProgramLauncher m_programs;
    FakeMessageBox m_messages;
    QPointer<frmAbout> m_dialog;
};

void tst_frmAbout::init()
{
    m_registry = {};
    m_programs = {};
    m_messages.texts.clear();
    showDialog();
}

void tst_frmAbout::cleanup()
{
    delete m_dialog;
}

void tst_frmAbout::showDialog()
{
    m_dialog = new frmAbout(m_registry, m_programs, m_messages);
    m_dialog->show();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog, WindowManagerTimeout));
}

void tst_frmAbout::press(Press how)
{
    switch (how) {
    case Press::ClickOK:
        QTest::mouseClick(m_dialog->cmdOK, Qt::LeftButton);
        break;
    case Press::EnterOnOK:
    case Press::EnterOnIcon:
    case Press::EnterOnSysInfo:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        break;
    case Press::SpaceOnOK:
    case Press::SpaceOnSysInfo:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        break;
    case Press::Escape:
    case Press::EscapeOnSysInfo:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        break;
    case Press::CloseBox:
        // What the window manager's close box does: ask the window to close.
        m_dialog->windowHandle()->close();
        break;
    case Press::AltS:
        QTest::keyClick(m_dialog, Qt::Key_S, Qt::AltModifier);
        break;
    }
}

void tst_frmAbout::texts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::newRow("title bar") << "frmAbout"
                               << "About Quorlin";
    QTest::newRow("title") << "lblTitle"
                           << "Quorlin";
    QTest::newRow("version") << "lblVersion"
                             << "Version 1.0.0";
    QTest::newRow("description") << "lblDescription"
                                 << "Allows monitoring of serial port handshaking pins";
    QTest::newRow("OK") << "cmdOK"
                        << "OK";
    QTest::newRow("System Info") << "cmdSysInfo"
                                 << "&System Info...";
}

void tst_frmAbout::texts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);

    const QMap<QString, QString> shown{
        {"frmAbout", m_dialog->windowTitle()},
        {"lblTitle", m_dialog->lblTitle->text()},
        {"lblVersion", m_dialog->lblVersion->text()},
        {"lblDescription", m_dialog->lblDescription->text()},
        {"cmdOK", m_dialog->cmdOK->text()},
        {"cmdSysInfo", m_dialog->cmdSysInfo->text()},
    };
    QCOMPARE(shown.value(control), text);
}

void tst_frmAbout::geometryAt96Dpi_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");

    QTest::newRow("client area") << "frmAbout" << QRect(0, 0, 382, 237);
    QTest::newRow("icon box: icon and frame") << "picIcon" << QRect(16, 16, 36, 36);
    QTest::newRow("OK") << "cmdOK" << QRect(283, 175, 84, 23);
    QTest::newRow("System Info") << "cmdSysInfo" << QRect(284, 205, 83, 23);
    QTest::newRow("title") << "lblTitle" << QRect(72, 16, 259, 32);
    QTest::newRow("version") << "lblVersion" << QRect(70, 52, 259, 15);
    QTest::newRow("white line, two pixels") << "Line1(0)" << QRect(7, 164, 370, 2);
    QTest::newRow("grey line, one pixel") << "Line1(1)" << QRect(6, 163, 371, 1);
}

void tst_frmAbout::geometryAt96Dpi()
{
    QFETCH(QString, control);
    QFETCH(QRect, place);
    if (Twips::perPixelX(m_dialog) != 15.0 || Twips::perPixelY(m_dialog) != 15.0)
        QSKIP("the places are given for a screen of 96 dots per inch");

    const QMap<QString, QWidget*> controls{
        {"picIcon", m_dialog->picIcon},       {"cmdOK", m_dialog->cmdOK},
        {"cmdSysInfo", m_dialog->cmdSysInfo}, {"lblDescription", m_dialog->lblDescription},
        {"lblTitle", m_dialog->lblTitle},     {"lblVersion", m_dialog->lblVersion},
        {"Line1(0)", m_dialog->Line1[0]},     {"Line1(1)", m_dialog->Line1[1]},
    };
    const QRect actual = control == "frmAbout" ? QRect({0, 0}, m_dialog->size())
                                               : controls.value(control)->geometry();
    QCOMPARE(actual, place);
}

void tst_frmAbout::descriptionIsNeverCutOff()
{
    const QLabel* description = m_dialog->lblDescription;
    const QRect laidOut = Twips::toPixelRect(m_dialog, 1050, 1200, 3885, 330);
    QCOMPARE(description->pos(), laidOut.topLeft());
    QCOMPARE(description->width(), laidOut.width());
    QVERIFY(description->height() >= laidOut.height());
    QVERIFY(description->heightForWidth(description->width()) <= description->height());
    QVERIFY(description->geometry().bottom() < m_dialog->Line1[1]->y()); // above the rule
}

void tst_frmAbout::etchedRuleIsDrawn_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPalette::ColorRole>("colour");

    // The desktop's own colours for a sunken edge: its shadow above its light.
    QTest::newRow("shadow starts at x 6") << QPoint(6, 163) << QPalette::Dark;
    QTest::newRow("shadow ends at x 376") << QPoint(376, 163) << QPalette::Dark;
    QTest::newRow("light starts at x 7") << QPoint(7, 164) << QPalette::Light;
    QTest::newRow("light, second row") << QPoint(200, 165) << QPalette::Light;
    QTest::newRow("light ends at x 376") << QPoint(376, 165) << QPalette::Light;
}

void tst_frmAbout::etchedRuleIsDrawn()
{
    QFETCH(QPoint, pixel);
    QFETCH(QPalette::ColorRole, colour);
    if (Twips::perPixelX(m_dialog) != 15.0 || Twips::perPixelY(m_dialog) != 15.0)
        QSKIP("the places are given for a screen of 96 dots per inch");

    const QImage image = m_dialog->grab().toImage();
    const QColor background = image.pixelColor(2, 2);
    QCOMPARE(image.pixel(pixel), m_dialog->palette().color(colour).rgb());
    // Nothing of the rule spills beyond its ends, above or below it.
    QCOMPARE(image.pixelColor(5, 163), background);
    QCOMPARE(image.pixelColor(6, 164), background);
    QCOMPARE(image.pixelColor(377, 163), background);
    QCOMPARE(image.pixelColor(200, 162), background);
    QCOMPARE(image.pixelColor(200, 166), background);
}

void tst_frmAbout::textsReadableOnADarkTheme()
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Window, QColor(0x22, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    {
        frmAbout dialog(m_registry, m_programs, m_messages);
        const QImage image = dialog.grab().toImage();
        for (const QLabel* label : {dialog.lblTitle, dialog.lblVersion, dialog.lblDescription}) {
            const QColor text = label->palette().color(QPalette::WindowText);
            QVERIFY2(ReadableText::contrast(text, image.pixelColor(2, 2)) >= 4.5,
                     qPrintable(label->text()));
        }
    }
    QApplication::setPalette(before);
}

void tst_frmAbout::iconInItsFrame()
{
    const QLabel* box = m_dialog->picIcon;
    QCOMPARE(box->frameWidth(), 2);
    QCOMPARE(box->frameShadow(), QFrame::Sunken);
    QCOMPARE(box->contentsRect().size(), QSize(32, 32));
    QCOMPARE(box->pixmap().size(), QSize(32, 32));
}

void tst_frmAbout::fixedDialogFrameWithCloseBoxOnly()
{
    const Qt::WindowFlags flags = m_dialog->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_dialog->minimumSize(), m_dialog->size());
    QCOMPARE(m_dialog->maximumSize(), m_dialog->size());
    QVERIFY(!m_dialog->parentWidget());
    QVERIFY(!m_dialog->isModal());
}

void tst_frmAbout::focusStartsOnOK()
{
    QCOMPARE(QApplication::focusWidget(), m_dialog->cmdOK);
}

void tst_frmAbout::tabOrder_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("stop");

    QTest::newRow("Tab once: the icon box") << Qt::Key_Tab << 1 << "picIcon";
    QTest::newRow("Tab twice: System Info") << Qt::Key_Tab << 2 << "cmdSysInfo";
    QTest::newRow("Tab three times: back to OK, labels skipped") << Qt::Key_Tab << 3 << "cmdOK";
    QTest::newRow("Shift+Tab once: System Info") << Qt::Key_Backtab << 1 << "cmdSysInfo";
    QTest::newRow("Shift+Tab twice: the icon box") << Qt::Key_Backtab << 2 << "picIcon";
}

void tst_frmAbout::tabOrder()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, presses);
    QFETCH(QString, stop);

    const QMap<QString, QWidget*> stops{
        {"cmdOK", m_dialog->cmdOK},
        {"picIcon", m_dialog->picIcon},
        {"cmdSysInfo", m_dialog->cmdSysInfo},
    };
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(QApplication::focusWidget(), stops.value(stop));
}

void tst_frmAbout::closingDestroysTheDialog_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<Press>("how");

    QTest::newRow("OK clicked") << 0 << Press::ClickOK;
    QTest::newRow("Enter") << 0 << Press::EnterOnOK;
    QTest::newRow("Space on OK") << 0 << Press::SpaceOnOK;
    QTest::newRow("Escape") << 0 << Press::Escape;
    QTest::newRow("close box") << 0 << Press::CloseBox;
    QTest::newRow("Enter on the icon box presses OK") << 1 << Press::EnterOnIcon;
    QTest::newRow("Escape on System Info") << 2 << Press::EscapeOnSysInfo;
}

void tst_frmAbout::closingDestroysTheDialog()
{
    QFETCH(int, tabs);
    QFETCH(Press, how);

    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    press(how);

    QTRY_VERIFY(m_dialog.isNull());
    QVERIFY(m_messages.texts.isEmpty());
    QVERIFY(m_programs.attempts.isEmpty());
}

void tst_frmAbout::systemInfo_data()
{
    QTest::addColumn<bool>("toolRecorded");
    QTest::addColumn<Press>("how");

    QTest::newRow("Enter on System Info, tool recorded") << true << Press::EnterOnSysInfo;
    QTest::newRow("Enter on System Info, no tool") << false << Press::EnterOnSysInfo;
    QTest::newRow("Space on System Info, no tool") << false << Press::SpaceOnSysInfo;
    QTest::newRow("Alt+S, tool recorded") << true << Press::AltS;
    QTest::newRow("Alt+S, no tool") << false << Press::AltS;
}

void tst_frmAbout::systemInfo()
{
    QFETCH(bool, toolRecorded);
    QFETCH(Press, how);
    if (toolRecorded) {
        m_registry.set(ToolKey, QStringLiteral("PATH"), FakeRegistry::text(Tool));
        m_programs.startable.insert(Tool);
    }

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    press(how);

    // An access key presses its button with a short animation: wait for the
    // click, then until a call queued after it has run, and with it whatever
    // the click queued.
    QTRY_VERIFY(!m_programs.attempts.isEmpty() || !m_messages.texts.isEmpty());
    bool drained = false;
    QMetaObject::invokeMethod(
        this, [&drained] { drained = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(drained);
    QCOMPARE(m_programs.started, toolRecorded ? QStringList{Tool} : QStringList{});
    QCOMPARE(m_messages.texts, toolRecorded ? QStringList{} : QStringList{Unavailable});
    // The dialog stays open either way, and OK still closes it.
    QVERIFY(m_dialog && m_dialog->isVisible());
    QTest::mouseClick(m_dialog->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(m_dialog.isNull());
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
