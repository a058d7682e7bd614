// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "app/TerminationSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <QSocketNotifier>
#include <unistd.h>

namespace {

constexpr std::array Requests{SIGTERM, SIGHUP, SIGINT};

// A signal handler may do next to nothing: it wakes the event loop through
// this pipe, and the loop does the rest.
int wakeUp[2] = {-1, -1};

extern "C" void onRequest(int signal)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
    errno = savedErrno;
}

bool makePipe()
{
    if (::pipe(wakeUp) != 0)
        return false;
    for (const int fd : wakeUp) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    // Without the pipe the signals keep ending the program at once, as before.
    if (!makePipe())
        return;
    auto* notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        std::array<char, 16> bytes{};
        while (::read(wakeUp[0], bytes.data(), bytes.size()) > 0) {
        }
        emit requested();
    });

    struct sigaction handling = {};
    handling.sa_handler = onRequest;
    sigemptyset(&handling.sa_mask);
    // SA_RESETHAND: should ending as File, Exit does hang, the next signal
    // of the kind ends the program the plain way.
    handling.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : Requests) {
        struct sigaction before = {};
        ::sigaction(signal, nullptr, &before);
        if (before.sa_handler != SIG_IGN)
            ::sigaction(signal, &handling, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (wakeUp[0] < 0)
        return;
    for (const int signal : Requests) {
        struct sigaction current = {};
        ::sigaction(signal, nullptr, &current);
        if (current.sa_handler == onRequest)
            ::signal(signal, SIG_DFL);
    }
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}
