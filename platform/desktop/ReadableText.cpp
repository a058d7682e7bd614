// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/ReadableText.h"

#include <algorithm>
#include <cmath>

namespace ReadableText {

namespace {
double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}
} // namespace

double contrast(const QColor& a, const QColor& b)
{
    // By value: std::minmax of two temporaries would hand back dangling references.
    const double first = luminance(a);
    const double second = luminance(b);
    const double darker = std::min(first, second);
    const double lighter = std::max(first, second);
    return (lighter + 0.05) / (darker + 0.05);
}

QColor on(const QColor& background, const QColor& preferred)
{
    if (contrast(background, preferred) >= MinimumContrast)
        return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(background, black) >= contrast(background, white) ? black : white;
}

} // namespace ReadableText
