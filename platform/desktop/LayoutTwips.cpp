// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/LayoutTwips.h"

#include "platform/desktop/ScreenTwips.h"

#include <algorithm>
#include <QWidget>

namespace {
// A font given in pixels counts by its size in points on its screen.
double pointsOf(const QWidget& window)
{
    const QFont& font = window.font();
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() * Twips::perPixelY(&window) / (Twips::PerInch / 72.0);
}
} // namespace

LayoutTwips::LayoutTwips(const QWidget& window)
    : m_perPixelX(Twips::perPixelX(&window)), m_perPixelY(Twips::perPixelY(&window)),
      m_scale(std::max(1.0, pointsOf(window) / ReferencePoints))
{}

QRect LayoutTwips::rect(int left, int top, int width, int height) const
{
    return {Twips::toPixels(left * m_scale, m_perPixelX),
            Twips::toPixels(top * m_scale, m_perPixelY), this->width(width), this->height(height)};
}

int LayoutTwips::width(int twips) const
{
    return Twips::toPixels(twips * m_scale, m_perPixelX);
}

int LayoutTwips::height(int twips) const
{
    return Twips::toPixels(twips * m_scale, m_perPixelY);
}

void LayoutTwips::fitWidth(int pixels, int twips)
{
    // Half a pixel more, as the rounding to whole pixels may take it away.
    m_scale = std::max(m_scale, (pixels + 0.5) * m_perPixelX / twips);
}
