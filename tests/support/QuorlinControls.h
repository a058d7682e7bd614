// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "about/frmAbout.h"
#include "support/WindowWaits.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The main window's controls as a test finds them: by their names, as they
// are laid out for the user.
namespace QuorlinControls {

// The label text box of pin row 0, 1 or 2.
inline QLineEdit* label(const QWidget& window, int row)
{
    return window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(row + 1));
}
// The green lamp of a row, which lies over its red one.
inline QLabel* greenLamp(const QWidget& window, int row)
{
    return window.findChild<QLabel*>(QStringLiteral("Picture1_%1").arg(row));
}
inline QLabel* redLamp(const QWidget& window, int row)
{
    return window.findChild<QLabel*>(QStringLiteral("Picture2_%1").arg(row));
}
inline QCheckBox* onTopBox(const QWidget& window)
{
    return window.findChild<QCheckBox*>(QStringLiteral("chkOnTop"));
}
inline QAction* action(const QWidget& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}
// The Com menu's item for port k.
inline QAction* portItem(const QWidget& window, int k)
{
    return action(window, QStringLiteral("mnuCom%1").arg(k));
}
inline QTimer* pollTimer(const QWidget& window)
{
    return window.findChild<QTimer*>(QStringLiteral("Timer1"));
}
// Waits for the next tick of the poll timer; its handler has run on return.
inline bool nextTick(const QWidget& window)
{
    QSignalSpy tick(pollTimer(window), &QTimer::timeout);
    return tick.wait();
}
// Shows the window and lets its first activation run.
inline void showAndActivate(QWidget& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window, WindowManagerTimeout));
    QCoreApplication::processEvents();
}
// The About dialog while it is open, else nullptr.
inline frmAbout* aboutDialog()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<frmAbout*>(window))
            return about;
    }
    return nullptr;
}

} // namespace QuorlinControls
