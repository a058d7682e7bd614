// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/LineChangeWatcher.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// A thread blocked in TIOCMIWAIT does not wake when its descriptor is
// closed; a signal does wake it. SIGURG is ignored by default, so one that
// comes from elsewhere harms nothing either.
constexpr int WakeSignal = SIGURG;

void wakeUp(int) {}

void installWakeSignal()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action
        {};
        action.sa_handler = wakeUp;
        sigemptyset(&action.sa_mask);
        // No SA_RESTART: the interrupted wait returns EINTR instead of waiting on.
        action.sa_flags = 0;
        sigaction(WakeSignal, &action, nullptr);
    });
}

} // namespace

bool LineChangeWatcher::start(int descriptor)
{
    stop();
    if (descriptor < 0)
        return false;
    // The device stays open for the thread until it has stopped waiting,
    // however its owner closes its own descriptor meanwhile.
    const int own = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (own < 0)
        return false;
    installWakeSignal();
    m_ended = false;
    m_thread = std::thread([this, own] { watch(own); });
    pthread_setname_np(m_thread.native_handle(), "quorlin-lines");
    return true;
}

void LineChangeWatcher::stop()
{
    m_pace.stop();
    if (!m_thread.joinable())
        return;
    m_stopping = true;
    // Sent until the thread has ended: a signal that comes just before the
    // thread enters the wait does not interrupt it.
    while (!m_ended) {
        pthread_kill(m_thread.native_handle(), WakeSignal);
        std::this_thread::sleep_for(1ms);
    }
    m_thread.join();
    m_stopping = false;
    m_pending = false;
}

void LineChangeWatcher::watch(int descriptor)
{
    for (;;) {
        const int result =
            ::ioctl(descriptor, TIOCMIWAIT, TIOCM_CAR | TIOCM_DSR | TIOCM_CTS | TIOCM_RNG);
        const int error = errno;
        if (m_stopping)
            break;
        if (result == 0) {
            post();
            continue;
        }
        if (error == EINTR)
            continue;
        if (error == EIO)
            post();
        break;
    }
    ::close(descriptor);
    m_ended = true;
}
