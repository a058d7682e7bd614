// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/TimelineView.h"

#include <cmath>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

QString state(bool on)
{
    return on ? TimelineView::tr("on") : TimelineView::tr("off");
}

} // namespace

TimelineView::TimelineView(const LineHistory& history, RowLabel rowLabel, QWidget* parent)
    : QWidget(parent), m_history(history), m_rowLabel(std::move(rowLabel))
{
    setObjectName(QStringLiteral("TimelineView"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::int64_t TimelineView::latest() const
{
    return std::max(m_history.msOf(LineHistory::Clock::now()),
                    m_history.changes().empty() ? 0 : m_history.changes().back().ms);
}

std::int64_t TimelineView::first() const
{
    return m_history.changes().empty() ? latest() : m_history.changes().front().ms;
}

QString TimelineView::traceLabel(int trace) const
{
    if (trace < RowCount)
        return tr("%1 (%2)").arg(m_rowLabel(trace), traceName(trace));
    return traceName(trace);
}

QString TimelineView::statesAt(std::int64_t ms) const
{
    const std::size_t next = m_history.firstFrom(ms + 1);
    if (next == 0)
        return {};
    const LineHistory::Change& change = m_history.changes()[next - 1];
    QStringList words{m_history.clockTime(ms).toString(QStringLiteral("HH:mm:ss.zzz"))};
    if (change.kind == LineHistory::Kind::Closed) {
        words << tr("no port open");
    } else {
        for (int trace = 0; trace < TraceCount; ++trace)
            words << traceName(trace) << state(change.on(trace));
    }
    return words.join(QLatin1Char(' '));
}

QSize TimelineView::sizeHint() const
{
    return TimelineDrawing::sizeHint(fontMetrics());
}

TimelineDrawing TimelineView::drawing() const
{
    QStringList labels;
    for (int trace = 0; trace < TraceCount; ++trace)
        labels << traceLabel(trace);
    return {m_history, m_scale.shown(first(), latest()), labels, rect(), fontMetrics()};
}

QSize TimelineView::minimumSizeHint() const
{
    return {sizeHint().width() / 3, sizeHint().height()};
}

void TimelineView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawing().draw(painter, palette());
}

std::optional<std::int64_t> TimelineView::msAt(int x) const
{
    return drawing().msAt(x);
}

void TimelineView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    const std::optional<std::int64_t> at = msAt(qRound(event->position().x()));
    if (steps == 0 || !at)
        return;
    m_scale.zoom(std::pow(0.8, steps), *at, first(), latest());
    emit moved();
    update();
}

void TimelineView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = qRound(event->position().x());
}

void TimelineView::mouseMoveEvent(QMouseEvent* event)
{
    const int x = qRound(event->position().x());
    if (m_dragFrom && x != *m_dragFrom) {
        const std::optional<std::int64_t> from = msAt(*m_dragFrom);
        const std::optional<std::int64_t> to = msAt(x);
        if (from && to) {
            m_scale.pan(*from - *to, first(), latest());
            emit moved();
            update();
        }
        m_dragFrom = x;
    }
    emit pointed(msAt(x));
}

void TimelineView::mouseReleaseEvent(QMouseEvent*)
{
    m_dragFrom.reset();
}

void TimelineView::leaveEvent(QEvent*)
{
    emit pointed(std::nullopt);
}

void TimelineView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_End)
        return QWidget::keyPressEvent(event);
    m_scale.follow();
    emit moved();
    update();
}
