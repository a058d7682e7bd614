// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Renders the application icon's SVG artwork into an opaque raster image.
//   render-icon <artwork.svg> <output> <width> <height>
// The artwork is drawn at its own size, scaled up by the largest whole factor
// that fits or scaled down to fit, centred on white; the output's format
// follows its file name (png, ico, ...).

#include <algorithm>
#include <cmath>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

int fail(const QString& message)
{
    QTextStream(stderr) << "render-icon: " << message << '\n';
    return 1;
}

// Whole-pixel offsets and whole factors up keep the artwork's pixel-aligned
// strokes crisp.
QRectF centredFit(QSizeF artwork, QSize canvas)
{
    const qreal room =
        std::min(canvas.width() / artwork.width(), canvas.height() / artwork.height());
    const QSizeF fitted = room >= 1 ? artwork * std::floor(room)
                                    : artwork.scaled(QSizeF(canvas), Qt::KeepAspectRatio);
    return {QPointF(std::floor((canvas.width() - fitted.width()) / 2),
                    std::floor((canvas.height() - fitted.height()) / 2)),
            fitted};
}

} // namespace

int main(int argc, char* argv[])
{
    // No GUI application: the artwork draws even its digits as paths, so
    // rendering needs neither fonts nor a display on the build machine.
    QCoreApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5)
        return fail(QStringLiteral("usage: render-icon <artwork.svg> <output> <width> <height>"));
    const QSize size(args[3].toInt(), args[4].toInt());
    if (size.isEmpty())
        return fail(QStringLiteral("the size must be positive"));

    QSvgRenderer artwork(args[1]);
    if (!artwork.isValid())
        return fail(QStringLiteral("cannot read %1").arg(args[1]));

    // 24-bit colour without an alpha channel: the icon is fully opaque.
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        artwork.render(&painter, centredFit(artwork.viewBoxF().size(), size));
    }

    QImageWriter writer(args[2]);
    if (!writer.write(image))
        return fail(QStringLiteral("cannot write %1: %2").arg(args[2], writer.errorString()));
    return 0;
}
