// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/ChangePace.h"

#include <atomic>
#include <QObject>
#include <thread>

// Waits in the kernel, on a thread of its own, for a serial device's CD, DSR
// or CTS to change (TIOCMIWAIT), and says so on the thread that started it,
// at most once a frame: a burst of changes is told once, after the frame.
// It tells only that something changed; reading the lines is the listener's.
// The thread ends by itself when the driver has no such wait (EINVAL,
// ENOTTY) or the device hangs up (EIO, told as a change, so that the next
// read finds the device gone at once); stop() ends it otherwise.
class LineChangeWatcher : public QObject
{
    Q_OBJECT

public:
    LineChangeWatcher();
    ~LineChangeWatcher() override;

    // Watches the device open on `descriptor` until stop(), through a
    // duplicate of its own. false where no wait can be made.
    bool start(int descriptor);
    // Returns once the thread has ended and let go of the device.
    void stop();
    bool isWatching() const { return m_thread.joinable() && !m_ended; }

signals:
    void changed();

private:
    void watch(int descriptor);
    void post();
    void arrived();

    std::thread m_thread;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_ended{true};
    // A change is on its way to the owner's thread, or waits there for the
    // frame to pass: later ones are told with it.
    std::atomic<bool> m_pending{false};
    ChangePace m_pace;
};
