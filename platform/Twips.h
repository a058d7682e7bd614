// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cmath>

// Twips: 1/1440 inch, the unit every stored position and every layout size is
// given in. 15 twips make a pixel at 96 dots per inch.
namespace Twips {

inline constexpr double PerInch = 1440.0;

// A quotient exactly halfway between two pixels goes to the even one.
inline int toPixels(double twips, double twipsPerPixel)
{
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

} // namespace Twips
