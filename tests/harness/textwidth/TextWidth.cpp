// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Test tool: how much room texts take in the font that the desktop's theme
// and style give a kind of widget, measured apart from Quorlin.
//   text_width CLASS WIDTH TEXT...
// For each TEXT (an "&" marking an access key is not drawn) prints a line
// "ADVANCE HEIGHT": its width on one line, and its height wrapped at word
// boundaries within WIDTH pixels, in the font of widgets of CLASS
// (QLabel, QMenuBar, QPushButton, ...).
#include <cstdio>
#include <QApplication>
#include <QFontMetrics>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: text_width CLASS WIDTH TEXT...\n");
        return 2;
    }
    const QFontMetrics metrics(QApplication::font(args[1].toLatin1().constData()));
    const int width = args[2].toInt();
    for (qsizetype i = 3; i < args.size(); ++i) {
        QString text = args[i];
        text.remove(QLatin1Char('&'));
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, 1 << 20),
                                                   Qt::TextWordWrap | Qt::AlignLeft, text);
        std::printf("%d %d\n", metrics.horizontalAdvance(text), wrapped.height());
    }
    return 0;
}
