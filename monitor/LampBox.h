#pragma once

#include <QLabel>

// A borderless 17 × 17 pixel box on the scroll-bar colour, showing a 15 × 15
// lamp image at its top-left corner; the box is never resized to the image.
class LampBox : public QLabel
{
    Q_OBJECT

public:
    LampBox(const QString& imageResource, QWidget* parent);
};
