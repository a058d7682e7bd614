// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/LineHistory.h"
#include "monitor/TimelineScale.h"

#include <optional>
#include <QColor>
#include <QFontMetrics>
#include <QRect>
#include <QStringList>

class QPainter;
class QPalette;

// One picture of the timeline: where its traces, labels and axis go in a
// rectangle, and the drawing of the stretch `range` of the history there.
class TimelineDrawing
{
public:
    // The most changes a column of pixels looks at.
    static constexpr std::size_t ColumnReach = 8;
    // The lamps' own colours.
    static QColor high() { return {0x1C, 0xAF, 0x1C}; }
    static QColor low() { return {0xBE, 0x00, 0x68}; }

    TimelineDrawing(const LineHistory& history, TimelineScale::Range range,
                    const QStringList& labels, const QRect& area, const QFontMetrics& metrics);

    static QSize sizeHint(const QFontMetrics& metrics);
    // The moment at column `x`; nullopt left of the traces.
    std::optional<std::int64_t> msAt(int x) const;
    // Where `ms` is drawn.
    double xOf(std::int64_t ms) const;
    // Where a trace's high and low levels are drawn.
    double yOf(int trace, bool on) const;

    void draw(QPainter& painter, const QPalette& palette) const;

private:
    void drawTraces(QPainter& painter, const QPalette& palette) const;
    void drawAxis(QPainter& painter, const QPalette& palette) const;

    const LineHistory& m_history;
    TimelineScale::Range m_range;
    QStringList m_labels;
    QFontMetrics m_metrics;
    QRect m_area;
    QRect m_plot; // the traces
    int m_rowHeight = 0;
};
