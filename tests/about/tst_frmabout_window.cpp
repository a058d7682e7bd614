// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "about/frmAbout.h"
#include "support/FakeMessageBox.h"
#include "support/FakeProgramLauncher.h"
#include "support/FakeRegistry.h"
#include "support/WindowWaits.h"

#include <QPointer>
#include <QProcess>
#include <QTest>

// How a real window manager (openbox) treats the About box.
class tst_frmAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowManagerHints_data();
    void windowManagerHints();
    void closeBoxDestroysTheDialog();

private:
    QString xprop(const QString& property) const;

    FakeRegistry m_registry;
    FakeProgramLauncher m_programs;
    FakeMessageBox m_messages;
    QPointer<frmAbout> m_dialog;
};

void tst_frmAboutWindow::init()
{
    m_dialog = new frmAbout(m_registry, m_programs, m_messages);
    m_dialog->show();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog, WindowManagerTimeout));
}

void tst_frmAboutWindow::cleanup()
{
    delete m_dialog;
}

QString tst_frmAboutWindow::xprop(const QString& property) const
{
    QProcess process;
    process.start(QStringLiteral("xprop"),
                  {QStringLiteral("-id"), QString::number(m_dialog->winId()), property});
    if (!process.waitForFinished(5000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void tst_frmAboutWindow::windowManagerHints_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("atom");
    QTest::addColumn<bool>("present");

    QTest::newRow("no task-bar button") << "_NET_WM_STATE"
                                        << "_NET_WM_STATE_SKIP_TASKBAR" << true;
    QTest::newRow("not kept on top") << "_NET_WM_STATE"
                                     << "_NET_WM_STATE_ABOVE" << false;
    QTest::newRow("a dialog") << "_NET_WM_WINDOW_TYPE"
                              << "_NET_WM_WINDOW_TYPE_DIALOG" << true;
    QTest::newRow("can be closed") << "_NET_WM_ALLOWED_ACTIONS"
                                   << "_NET_WM_ACTION_CLOSE" << true;
    QTest::newRow("cannot be resized") << "_NET_WM_ALLOWED_ACTIONS"
                                       << "_NET_WM_ACTION_RESIZE" << false;
    QTest::newRow("cannot be maximized") << "_NET_WM_ALLOWED_ACTIONS"
                                         << "_NET_WM_ACTION_MAXIMIZE_HORZ" << false;
}

void tst_frmAboutWindow::windowManagerHints()
{
    QFETCH(QString, property);
    QFETCH(QString, atom);
    QFETCH(bool, present);

    // The window manager answers asynchronously; wait until it has.
    QTRY_VERIFY(xprop(property).contains(QStringLiteral(" = ")));
    const QStringList atoms = xprop(property).section('=', 1).split(',', Qt::SkipEmptyParts);
    QStringList names;
    for (const QString& a : atoms)
        names.append(a.trimmed());
    QCOMPARE(names.contains(atom), present);
}

void tst_frmAboutWindow::closeBoxDestroysTheDialog()
{
    // The window manager's close request to this window, as its close button
    // sends it; a key would go to whichever window has the focus.
    const QString id = QStringLiteral("0x") + QString::number(m_dialog->winId(), 16);
    QCOMPARE(QProcess::execute(QStringLiteral("wmctrl"),
                               {QStringLiteral("-i"), QStringLiteral("-c"), id}),
             0);
    QTRY_VERIFY(m_dialog.isNull());
}

QTEST_MAIN(tst_frmAboutWindow)
#include "tst_frmabout_window.moc"
