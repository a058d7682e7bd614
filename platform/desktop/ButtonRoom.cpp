// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/ButtonRoom.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
// A caption's advance may reach a pixel into the frame at either end: its
// outermost columns are mostly its glyphs' side bearings, and on the desktop
// the layout was drawn for they lie there.
constexpr int CaptionOnFrame = 2;

// A button as the style draws it, for asking the style about it.
class StyledButton : public QPushButton
{
public:
    using QPushButton::initStyleOption;
};
} // namespace

int pushButtonWidthFor(const QPushButton& button)
{
    // Styles set their padding when they polish the button.
    button.ensurePolished();
    QStyleOptionButton option;
    static_cast<const StyledButton&>(button).initStyleOption(&option);
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    QString caption = button.text();
    caption.remove(QLatin1Char('&'));
    const int padding = option.rect.width() - contents.width();
    return button.fontMetrics().horizontalAdvance(caption) + padding - CaptionOnFrame;
}

QSize checkIndicatorSize(const QCheckBox& box)
{
    box.ensurePolished();
    QStyleOptionButton option;
    option.initFrom(&box);
    const QStyle* style = box.style();
    return {style->pixelMetric(QStyle::PM_IndicatorWidth, &option, &box),
            style->pixelMetric(QStyle::PM_IndicatorHeight, &option, &box)};
}
