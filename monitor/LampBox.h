// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

// A borderless box, 17 × 17 pixels as laid out, on the scroll-bar colour,
// showing a 15 × 15 lamp image at its top-left corner; the box is never
// resized to the image. A larger box shows the image larger in proportion.
class LampBox : public QLabel
{
    Q_OBJECT

public:
    static constexpr int BoxSize = 17; // pixels, as laid out
    LampBox(const QString& imageResource, QWidget* parent);

    // Makes this lamp the one a screen reader reads for its pin row: named
    // after the row's line, and described "on" while `lit`, a child lamp
    // covering it, is shown and "off" while not. The tool tip says the same.
    void standFor(const QString& line, QWidget& lit);
    // Shows the row's line: lit while `on`, but the other way round while
    // `flash`, so that a pulse too short to be seen catches the eye. The
    // description and the tool tip give the line's own state and the pulses
    // counted ("Clear To Send: off, 3 pulses").
    void showLine(bool on, int pulses, bool flash);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void describe(bool on);

    QString m_line;
    QWidget* m_lit = nullptr;
    int m_pulses = 0;
    bool m_showing = false; // showLine() sets the lit lamp and says what it means
};
