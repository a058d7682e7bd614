// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <QObject>

class QWidget;
class QWindow;

// Tells when a window becomes the program's active window in the way that
// should reload it: when it is first shown or activated, whichever comes
// first (a window manager may give a new window no focus at all, and the
// window must still load and watch its port), and when the user comes back
// to it from one of the program's windows that `isReturnWindow` names (the
// About dialog). Coming back from another application, or from a message box,
// does not count. Platforms report activation differently (X11 under a window
// manager reactivates the window after a message box closes, the offscreen
// platform may not), so this follows which of the program's windows was
// active last rather than the raw activation events.
class ActivationWatch : public QObject
{
    Q_OBJECT

public:
    using WindowTest = std::function<bool(const QWindow*)>;

    ActivationWatch(QWidget& window, WindowTest isReturnWindow);

    // The program shows one of the windows to come back from: the window
    // counts as left for it, whether or not the platform reports its focus.
    // Until that window has been active, the focus coming to the watched
    // window is no return: a closing menu hands it back for a moment.
    void leftForReturnWindow() { m_last = Last::ReturnWindowShowing; }
    // That window closed. A platform that activates no window after it
    // (weston has no activation) still brings the user back; one that does
    // activate the window makes it no second return.
    void returnWindowClosed();

signals:
    // Queued, so that what runs on it may open modal boxes of its own.
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusWindowChanged(QWindow* focused);
    void activate();

    enum class Last
    {
        Nothing,
        Watched,
        ReturnWindowShowing,
        ReturnWindow,
        OtherWindow
    };

    QWidget& m_window;
    WindowTest m_isReturnWindow;
    Last m_last = Last::Nothing;
};
