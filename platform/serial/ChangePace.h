// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Passes on the changes it hears of at most once a frame: a change after a
// quiet frame at the next turn of the event loop, a burst once, when the
// frame since the last is over. Never told within changed(), so a listener
// may read the lines while the line is busy with what it heard.
class ChangePace : public QObject
{
    Q_OBJECT

public:
    // A frame of a 60 Hz display: changes told faster would not be seen.
    static constexpr std::chrono::milliseconds MinimumInterval{16};

    ChangePace();

    void changed();
    // Drops a change that waits for its frame.
    void stop() { m_delay.stop(); }

signals:
    void told();

private:
    void tell();

    QTimer m_delay;
    QElapsedTimer m_sinceTold;
};
