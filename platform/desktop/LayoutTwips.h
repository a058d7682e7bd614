// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>

class QWidget;

// Twips of a window's layout in pixels: the screen's twips, grown with the
// window's font. The layout was drawn for Qt's own default font of 9 points;
// with a larger one every place and size grows in proportion, so that the
// text has the room it had. A smaller font leaves the layout as drawn.
class LayoutTwips
{
public:
    static constexpr double ReferencePoints = 9.0;

    // The scale the font of `window` asks for.
    explicit LayoutTwips(const QWidget& window);

    double scale() const { return m_scale; }
    QRect rect(int left, int top, int width, int height) const;
    int width(int twips) const;
    int height(int twips) const;

    // Grows the scale, if need be, until a text `pixels` wide fits into a
    // width laid out as `twips`: a font's hinting makes its text grow a
    // little faster than its size.
    void fitWidth(int pixels, int twips);

private:
    double m_perPixelX;
    double m_perPixelY;
    double m_scale;
};
