// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Test tool: how much room texts take in the font that the desktop's theme
// and style give a kind of widget, measured apart from Quorlin.
//   text_width CLASS WIDTH[xHEIGHT] TEXT...
//   text_width --styles
// For each TEXT (an "&" marking an access key is not drawn) prints a line
// "ADVANCE HEIGHT WHOLE": its width on one line and its height wrapped at
// word boundaries within WIDTH pixels, in the font of widgets of CLASS
// (QLabel, QMenuBar, QPushButton, ...); WHOLE is 1 when a text box
// (QLineEdit) WIDTH pixels wide, or a push button (QPushButton) of WIDTH by
// HEIGHT pixels, shows all of it, else 0. --styles lists the styles there are.
#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>

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
bool boxShowsWhole(const QString& text, int width)
{
    constexpr int RightFrame = 8;
    const QImage narrow = boxShowing(text, width);
    const QImage wide = boxShowing(text, width + 500);
    const QRect text_part(0, 0, narrow.width() - RightFrame, narrow.height());
    return narrow.copy(text_part) == wide.copy(text_part);
}

// How many columns of a button of `size` its caption paints in.
int captionColumns(const QString& caption, QSize size)
{
    QPushButton button(caption);
    button.resize(size);
    const QImage with = button.grab().toImage();
    button.setText(QString());
    const QImage without = button.grab().toImage();
    int first = with.width();
    int last = -1;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return last - first + 1;
}

// A caption cut by the style's rectangle for it is narrower than the same
// caption on a button with room to spare. One that just fits may come out a
// column narrower, not cut: a style lays it out otherwise once its advance
// exceeds the rectangle, each glyph whole.
bool buttonShowsWhole(const QString& caption, QSize size)
{
    constexpr int Spare = 200;
    constexpr int RelaidColumns = 1;
    return captionColumns(caption, size) + RelaidColumns >=
           captionColumns(caption, size + QSize(Spare, 0));
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 2 && args[1] == QLatin1String("--styles")) {
        std::printf("%s\n", qPrintable(QStyleFactory::keys().join(QLatin1Char('\n'))));
        return 0;
    }
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: text_width CLASS WIDTH[xHEIGHT] TEXT...\n");
        return 2;
    }
    const QString widgetClass = args[1];
    const QFontMetrics metrics(QApplication::font(widgetClass.toLatin1().constData()));
    const QStringList size = args[2].split(QLatin1Char('x'));
    const int width = size[0].toInt();
    const int height = size.value(1).toInt();
    for (qsizetype i = 3; i < args.size(); ++i) {
        const QString& given = args[i];
        QString text = given;
        text.remove(QLatin1Char('&'));
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, 1 << 20),
                                                   Qt::TextWordWrap | Qt::AlignLeft, text);
        const bool whole = widgetClass == QLatin1String("QPushButton")
                               ? buttonShowsWhole(given, {width, height})
                               : boxShowsWhole(text, width);
        std::printf("%d %d %d\n", metrics.horizontalAdvance(text), wrapped.height(), whole ? 1 : 0);
    }
    return 0;
}
