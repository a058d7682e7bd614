// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/TimelineWindow.h"

#include "monitor/HistoryExport.h"
#include "platform/MessageBox.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>

TimelineWindow::TimelineWindow(const LineHistory& history, TimelineView::RowLabel rowLabel,
                               MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history), m_messages(messages)
{
    setObjectName(QStringLiteral("TimelineWindow"));
    setWindowTitle(tr("Quorlin Timeline"));
    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(tr("&File"));
    QAction* saveAs = file->addAction(tr("Save &As…"));
    saveAs->setObjectName(QStringLiteral("mnuSaveAs"));
    // Not every desktop has a key for Save As.
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* close = file->addAction(tr("&Close"));
    close->setShortcut(QKeySequence::Close);
    layout->setMenuBar(menus);

    m_view = new TimelineView(history, std::move(rowLabel), this);
    m_view->setAccessibleName(tr("Timeline"));
    m_scrollBar = new QScrollBar(Qt::Horizontal, this);
    m_scrollBar->setObjectName(QStringLiteral("TimelineScrollBar"));
    m_scrollBar->setAccessibleName(tr("Time shown"));
    m_states = new QLabel(this);
    m_states->setObjectName(QStringLiteral("TimelineStates"));
    m_states->setAccessibleName(tr("States at the pointer"));
    m_states->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_scrollBar);
    layout->addWidget(m_states);
    m_view->setFocus();

    connect(saveAs, &QAction::triggered, this, &TimelineWindow::mnuSaveAs_Click);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(m_view, &TimelineView::pointed, this, &TimelineWindow::showStates);
    connect(m_view, &TimelineView::moved, this, &TimelineWindow::refresh);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, [this] {
        // The value the action moves to is not set yet: sliderPosition() is.
        m_view->scale().showEndingAt(m_scrollBar->sliderPosition(), m_view->first(),
                                     m_view->latest());
        refresh();
    });
    m_refresh.setInterval(RefreshInterval);
    connect(&m_refresh, &QTimer::timeout, this, &TimelineWindow::refresh);
    m_refresh.start();
    refresh();
}

void TimelineWindow::refresh()
{
    const std::int64_t first = m_view->first();
    const std::int64_t latest = m_view->latest();
    const TimelineScale::Range shown = m_view->scale().shown(first, latest);
    const QSignalBlocker quiet(m_scrollBar);
    // In milliseconds, as an int holds them: some 24 days of history.
    const std::int64_t span = shown.end - shown.begin;
    m_scrollBar->setRange(int(std::min(first + span, latest)), int(latest));
    m_scrollBar->setPageStep(int(std::min<std::int64_t>(span, INT_MAX)));
    m_scrollBar->setSingleStep(int(std::max<std::int64_t>(span / 10, 1)));
    m_scrollBar->setValue(int(shown.end));
    showStates(m_pointed);
    m_view->update();
}

void TimelineWindow::showStates(std::optional<std::int64_t> ms)
{
    m_pointed = ms;
    const QString states = m_view->statesAt(ms.value_or(m_view->latest()));
    m_states->setText(states.isEmpty() ? tr("Nothing recorded yet") : states);
    m_view->setAccessibleDescription(m_states->text());
}

void TimelineWindow::mnuSaveAs_Click()
{
    QString filter;
    QString fileName = QFileDialog::getSaveFileName(
        this, tr("Save As"), QString(), tr("Value change dump (*.vcd);;CSV (*.csv)"), &filter);
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QLatin1String(".vcd"), Qt::CaseInsensitive) &&
        !fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        fileName +=
            filter.contains(QLatin1String("*.csv")) ? QLatin1String(".csv") : QLatin1String(".vcd");
    saveAs(fileName);
}

bool TimelineWindow::saveAs(const QString& fileName)
{
    const QString failure = exportHistory(m_history, fileName);
    if (!failure.isEmpty())
        m_messages.show(this, tr("The timeline could not be saved to %1.").arg(fileName), failure);
    return failure.isEmpty();
}
