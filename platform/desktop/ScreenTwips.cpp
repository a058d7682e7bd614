// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/ScreenTwips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Twips {

namespace {
const QScreen* screenOf(const QWidget* widget)
{
    if (widget && widget->screen())
        return widget->screen();
    return QGuiApplication::primaryScreen();
}
} // namespace

double perPixelX(const QWidget* widget)
{
    return PerInch / screenOf(widget)->logicalDotsPerInchX();
}

double perPixelY(const QWidget* widget)
{
    return PerInch / screenOf(widget)->logicalDotsPerInchY();
}

QRect toPixelRect(const QWidget* widget, int left, int top, int width, int height)
{
    const double x = perPixelX(widget);
    const double y = perPixelY(widget);
    return {toPixels(left, x), toPixels(top, y), toPixels(width, x), toPixels(height, y)};
}

} // namespace Twips
