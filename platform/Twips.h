#pragma once

#include <QRect>

class QWidget;

// Twips: 1/1440 inch, the unit every stored position and every layout size is
// given in. 15 twips make a pixel at 96 dots per inch.
namespace Twips {

inline constexpr double PerInch = 1440.0;

// Twips per pixel of the screen the widget is on (the primary screen when it
// has none yet), from the screen's logical dots per inch.
double perPixelX(const QWidget* widget = nullptr);
double perPixelY(const QWidget* widget = nullptr);

// A quotient exactly halfway between two pixels goes to the even one.
int toPixels(double twips, double twipsPerPixel);

// A rectangle laid out in twips, in the widget's pixels.
QRect toPixelRect(const QWidget* widget, int left, int top, int width, int height);

} // namespace Twips
