// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/TimelineView.h"

#include <QTimer>
#include <QWidget>

class MessageBox;
class QLabel;
class QScrollBar;

// The window of the lines' history: the traces, a scroll bar to pan them,
// and a line that says the time and the states under the pointer (the latest
// while it is elsewhere), which screen readers read. File, Save As writes
// the history as VCD or CSV, chosen by the file's name.
class TimelineWindow : public QWidget
{
    Q_OBJECT

public:
    // How often the picture follows the clock.
    static constexpr std::chrono::milliseconds RefreshInterval{100};

    TimelineWindow(const LineHistory& history, TimelineView::RowLabel rowLabel,
                   MessageBox& messages, QWidget* parent);

    // Writes the history to `fileName`; false, told, when it cannot.
    bool saveAs(const QString& fileName);

private:
    void refresh();
    void showStates(std::optional<std::int64_t> ms);
    void mnuSaveAs_Click();

    const LineHistory& m_history;
    MessageBox& m_messages;
    TimelineView* m_view = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QLabel* m_states = nullptr;
    std::optional<std::int64_t> m_pointed;
    QTimer m_refresh;
};
