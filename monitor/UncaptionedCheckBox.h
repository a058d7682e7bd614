// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QCheckBox>

// A check box whose caption lies beyond its width, where it never shows: a
// label beside it says what it is for. It is drawn as a box without a caption,
// so that the style frames the indicator when it has the focus, inside the
// box, instead of the unseen caption beyond its edge.
class UncaptionedCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
