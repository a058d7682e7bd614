// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/LineHistory.h"
#include "monitor/TimelineDrawing.h"
#include "monitor/TimelineScale.h"

#include <functional>
#include <optional>
#include <QWidget>

// The history drawn as one trace per line, high up in the lamps' green and
// low down in their red, with the pulses between reads marked and counted,
// the ports' openings and closings on the time axis below. A column of
// pixels looks only at the changes in its own stretch, and at no more than a
// few of them, so that a repaint costs the same with a million changes kept.
// The wheel zooms about the pointer, dragging pans, End follows again.
class TimelineView : public QWidget
{
    Q_OBJECT

public:
    // The user's label for each of the window's rows.
    using RowLabel = std::function<QString(int row)>;
    TimelineView(const LineHistory& history, RowLabel rowLabel, QWidget* parent = nullptr);

    TimelineScale& scale() { return m_scale; }
    // The history's stretch now, oldest first.
    std::int64_t first() const;
    std::int64_t latest() const;
    // The label of a trace, as drawn beside it.
    QString traceLabel(int trace) const;
    // The time and the six states at `ms`: "19:45:33.120 CD on DSR off ...";
    // empty before the history begins.
    QString statesAt(std::int64_t ms) const;

    QSize sizeHint() const override;
    // All six traces and the axis, however narrow.
    QSize minimumSizeHint() const override;

signals:
    // The moment under the pointer; nullopt when it left the traces.
    void pointed(std::optional<std::int64_t> ms);
    // The stretch shown changed by the user's hand.
    void moved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TimelineDrawing drawing() const;
    std::optional<std::int64_t> msAt(int x) const;

    const LineHistory& m_history;
    RowLabel m_rowLabel;
    TimelineScale m_scale;
    std::optional<int> m_dragFrom; // the x a drag last reached
};
