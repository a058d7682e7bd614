// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// The least a Qt program that watches something can be: a bare window and a
// timer that fires ten times a second. The benchmark measures Quorlin against
// it, so that what Qt itself costs is not counted as Quorlin's.
//   floor-window                    the bare window
//   floor-window --menu-and-text    with a menu bar and a text box, as any
//                                   window with menus and text has them
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    if (QApplication::arguments().contains(QStringLiteral("--menu-and-text"))) {
        window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
        window.setCentralWidget(new QLineEdit(QStringLiteral("Clear To Send")));
    }
    window.resize(320, 200);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(100);
    window.show();
    return QApplication::exec();
}
