// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>

// Text colours that can be read on a given background, by the contrast
// ratio of the Web Content Accessibility Guidelines.
namespace ReadableText {

// What reads well for body text.
inline constexpr double MinimumContrast = 4.5;

// From 1 (the same luminance) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// `preferred` when it contrasts enough with `background`, else black or
// white, whichever contrasts more.
QColor on(const QColor& background, const QColor& preferred);

} // namespace ReadableText
