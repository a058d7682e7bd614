// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Test tool: how much room texts take in the font that the desktop's theme
// and style give a kind of widget, measured apart from Quorlin.
//   text_width CLASS WIDTH TEXT...
// For each TEXT (an "&" marking an access key is not drawn) prints a line
// "ADVANCE HEIGHT WHOLE": its width on one line and its height wrapped at
// word boundaries within WIDTH pixels, in the font of widgets of CLASS
// (QLabel, QMenuBar, QPushButton, ...); WHOLE is 1 when a text box
// (QLineEdit) WIDTH pixels wide shows all of it, else 0.
#include <cstdio>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>

namespace {
QImage boxShowing(const QString& text, int width)
{
    QLineEdit box(text);
    box.resize(width, box.sizeHint().height());
    return box.grab().toImage();
}

// A box that scrolls its text shows its start elsewhere than a box with
// room to spare does: the two pictures differ left of the narrow box's
// right edge.
bool showsWhole(const QString& text, int width)
{
    constexpr int RightFrame = 8;
    const QImage narrow = boxShowing(text, width);
    const QImage wide = boxShowing(text, width + 500);
    const QRect text_part(0, 0, narrow.width() - RightFrame, narrow.height());
    return narrow.copy(text_part) == wide.copy(text_part);
}
} // namespace

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
        std::printf("%d %d %d\n", metrics.horizontalAdvance(text), wrapped.height(),
                    showsWhole(text, width) ? 1 : 0);
    }
    return 0;
}
