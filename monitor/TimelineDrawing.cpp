// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/TimelineDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <vector>

namespace {

using Change = LineHistory::Change;
using Kind = LineHistory::Kind;

// The rows are two lines of text high; the axis below takes three.
int rowHeightOf(const QFontMetrics& metrics)
{
    return metrics.height() * 2;
}

// The time between the axis' ticks: 1, 2 or 5 times a power of ten
// milliseconds, with room for a clock time between two.
std::int64_t tickStep(double msPerPixel, int labelWidth)
{
    const double least = msPerPixel * labelWidth * 1.5;
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t step : {power, 2 * power, 5 * power}) {
            if (double(step) >= least)
                return step;
        }
    }
}

// The first multiple of `step` at `ms` or later.
std::int64_t roundedUp(std::int64_t ms, std::int64_t step)
{
    // Division rounds towards zero: up for negative numbers already.
    return (ms > 0 ? ms + step - 1 : ms) / step * step;
}

} // namespace

TimelineDrawing::TimelineDrawing(const LineHistory& history, TimelineScale::Range range,
                                 const QStringList& labels, const QRect& area,
                                 const QFontMetrics& metrics)
    : m_history(history), m_range(range), m_labels(labels), m_metrics(metrics), m_area(area),
      m_rowHeight(rowHeightOf(metrics))
{
    int labelWidth = 0;
    for (const QString& label : labels)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    const int gap = metrics.averageCharWidth();
    m_plot = QRect(area.left() + labelWidth + 2 * gap, area.top() + gap,
                   std::max(1, area.width() - labelWidth - 3 * gap), m_rowHeight * TraceCount);
}

QSize TimelineDrawing::sizeHint(const QFontMetrics& metrics)
{
    return {metrics.averageCharWidth() * 100,
            rowHeightOf(metrics) * TraceCount + metrics.height() * 3 + metrics.averageCharWidth()};
}

std::optional<std::int64_t> TimelineDrawing::msAt(int x) const
{
    if (x < m_plot.left())
        return std::nullopt;
    const double place = double(x - m_plot.left()) / m_plot.width();
    return m_range.begin + std::llround(place * double(m_range.end - m_range.begin));
}

double TimelineDrawing::xOf(std::int64_t ms) const
{
    return m_plot.left() +
           double(ms - m_range.begin) * m_plot.width() / double(m_range.end - m_range.begin);
}

double TimelineDrawing::yOf(int trace, bool on) const
{
    const int top = m_plot.top() + trace * m_rowHeight;
    return on ? top + m_rowHeight * 0.2 : top + m_rowHeight * 0.8;
}

void TimelineDrawing::draw(QPainter& painter, const QPalette& palette) const
{
    painter.fillRect(m_area, palette.base());
    painter.setPen(palette.text().color());
    for (int trace = 0; trace < TraceCount; ++trace) {
        const QRect label(m_area.left(), m_plot.top() + trace * m_rowHeight,
                          m_plot.left() - m_metrics.averageCharWidth() - m_area.left(),
                          m_rowHeight);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, m_labels.value(trace));
    }
    drawTraces(painter, palette);
    drawAxis(painter, palette);
}

void TimelineDrawing::drawTraces(QPainter& painter, const QPalette& palette) const
{
    const std::deque<Change>& changes = m_history.changes();
    // Batched by colour: the levels, high and low, the edges, the port marks.
    std::array<std::vector<QLineF>, 2> levels;
    std::vector<QLineF> edges;
    std::vector<QLineF> ports;
    struct Pulse
    {
        double x;
        int trace;
        int count;
    };
    std::vector<Pulse> pulses;

    const double msPerPixel = double(m_range.end - m_range.begin) / m_plot.width();
    std::size_t from = m_history.firstFrom(m_range.begin);
    for (int column = 0; column < m_plot.width(); ++column) {
        const double x = m_plot.left() + column;
        const auto end = m_range.begin + std::int64_t(std::ceil((column + 1) * msPerPixel));
        const std::size_t to = m_history.firstFrom(end, from);
        if (to == 0)
            continue; // before the history begins
        // The states the column starts with, and those it passes through.
        const Change& start = changes[from > 0 ? from - 1 : 0];
        bool open = start.kind != Kind::Closed;
        unsigned high = open ? start.states : 0U;
        unsigned low = open ? ~unsigned(start.states) : 0U;
        std::array<int, InputTraceCount> counted{};
        const auto visit = [&](const Change& change) {
            if (change.kind != Kind::Line)
                ports.emplace_back(x, m_plot.top(), x, m_plot.bottom() + m_metrics.height() / 2);
            open = change.kind != Kind::Closed;
            if (open) {
                high |= change.states;
                low |= ~unsigned(change.states);
            }
            if (change.trace < InputTraceCount)
                counted[change.trace] += change.pulses();
        };
        // A crowded column looks at its first few changes and its last.
        const std::size_t reach = std::min(to, from + ColumnReach);
        for (std::size_t i = from; i < reach; ++i)
            visit(changes[i]);
        if (reach < to)
            visit(changes[to - 1]);
        for (int trace = 0; trace < TraceCount; ++trace) {
            const unsigned bit = 1U << trace;
            if (!((high | low) & bit))
                continue;
            if ((high & bit) && (low & bit))
                edges.emplace_back(x, yOf(trace, true), x, yOf(trace, false));
            if (open) {
                const bool on = changes[to - 1].on(trace);
                levels[on].emplace_back(x, yOf(trace, on), x + 1, yOf(trace, on));
            }
            if (trace < InputTraceCount && counted[trace] > 0)
                pulses.push_back({x, trace, counted[trace]});
        }
        from = to;
    }

    painter.setPen(QPen(palette.text().color(), 1));
    painter.drawLines(edges.data(), int(edges.size()));
    for (const bool on : {false, true}) {
        painter.setPen(QPen(on ? high() : low(), 2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLines(levels[on].data(), int(levels[on].size()));
    }
    painter.setPen(QPen(palette.highlight().color(), 1, Qt::DashLine));
    painter.drawLines(ports.data(), int(ports.size()));

    // A pulse is a tick across its trace with its count above, where there
    // is room for the count.
    painter.setPen(QPen(palette.text().color(), 2));
    std::array<double, InputTraceCount> countedUpTo;
    countedUpTo.fill(-1e9);
    for (const Pulse& pulse : pulses) {
        painter.drawLine(QLineF(pulse.x, yOf(pulse.trace, true) - m_rowHeight * 0.15, pulse.x,
                                yOf(pulse.trace, false) + m_rowHeight * 0.15));
        const QString count = QString::number(pulse.count);
        if (pulse.x < countedUpTo[pulse.trace])
            continue;
        painter.drawText(QPointF(pulse.x + 2, yOf(pulse.trace, true) + m_metrics.ascent() / 2.0),
                         count);
        countedUpTo[pulse.trace] = pulse.x + m_metrics.horizontalAdvance(count) + 6;
    }
}

void TimelineDrawing::drawAxis(QPainter& painter, const QPalette& palette) const
{
    // Older changes were dropped: the history begins with the first kept.
    const std::deque<Change>& changes = m_history.changes();
    if (m_history.dropped() > 0 && !changes.empty() && changes.front().ms >= m_range.begin) {
        const double x = xOf(changes.front().ms);
        painter.setPen(QPen(palette.text().color(), 1, Qt::DotLine));
        painter.drawLine(QLineF(x, m_plot.top(), x, m_plot.bottom()));
        painter.drawText(QPointF(x + 2, m_plot.top() + m_metrics.ascent()),
                         QCoreApplication::translate("TimelineView", "history begins"));
    }

    const double msPerPixel = double(m_range.end - m_range.begin) / m_plot.width();
    const int labelWidth = m_metrics.horizontalAdvance(QStringLiteral("00:00:00.000"));
    const std::int64_t step = tickStep(msPerPixel, labelWidth);
    const QString format =
        step < 1000 ? QStringLiteral("HH:mm:ss.zzz") : QStringLiteral("HH:mm:ss");
    const int axis = m_plot.bottom() + m_metrics.height() / 2;

    painter.setPen(palette.text().color());
    painter.drawLine(m_plot.left(), axis, m_plot.right(), axis);
    // Ticks at round clock times: the history's milliseconds are shifted
    // by where in a step its start fell on the clock.
    const std::int64_t shift = m_history.clockTime(0).toMSecsSinceEpoch() % step;
    const std::int64_t firstTick = roundedUp(m_range.begin + shift, step) - shift;
    for (std::int64_t tick = firstTick; tick <= m_range.end; tick += step) {
        const double x = xOf(tick);
        painter.drawLine(QLineF(x, axis, x, axis + m_metrics.height() / 3.0));
        const QString label = m_history.clockTime(tick).toString(format);
        const QRectF box(x - labelWidth, axis + m_metrics.height() / 2.0, 2.0 * labelWidth,
                         m_metrics.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, label);
    }
}
