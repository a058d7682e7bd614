// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/TextBoxRoom.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// A text box keeps two pixels between its contents' edges and the text, and
// scrolls once text and cursor (one pixel) need more.
constexpr int TextMargin = 2;
constexpr int Cursor = 1;

// A box as the style draws it, for asking the style about it.
class StyledBox : public QLineEdit
{
public:
    using QLineEdit::initStyleOption;
};
} // namespace

int textBoxWidthFor(const QLineEdit& box)
{
    // Styles set their padding when they polish the box.
    box.ensurePolished();
    QStyleOptionFrame option;
    static_cast<const StyledBox&>(box).initStyleOption(&option);
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins text = box.textMargins();
    const int padding = option.rect.width() - contents.width() + text.left() + text.right();
    return box.fontMetrics().horizontalAdvance(box.text()) + 2 * TextMargin + Cursor + padding;
}
