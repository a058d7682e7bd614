// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPoint>

// What the window system's reports of the frame's position mean while the
// program places its window. A window manager answers a placement in its own
// time, and now and then elsewhere than asked (KWin, through Xwayland, puts a
// new frame a title bar too high): that answer is no move of the user's, is
// not stored, and the placement is asked for once more.
class FramePlacement
{
public:
    enum class Verdict
    {
        UserMove, // no placement is waiting: the user (or the desktop) moved it
        Settled,  // the answer to the placement
        AskAgain, // the window is elsewhere than asked: place it at target() again
    };

    // The program puts the frame at `target` while it is at `current`. A
    // window already there gets no answer, and none is waited for.
    void placing(QPoint target, QPoint current);
    // The window system reports the frame at `at`.
    Verdict reported(QPoint at);

    bool awaitingAnswer() const { return m_awaiting; }
    QPoint target() const { return m_target; }

private:
    QPoint m_target;
    bool m_awaiting = false;
    bool m_askedAgain = false;
};
