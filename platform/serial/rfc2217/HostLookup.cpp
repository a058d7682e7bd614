// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/HostLookup.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <QHostInfo>
#include <thread>

namespace {

// Shared by the caller and the thread, so whichever is the last to let go
// of it frees it.
struct Lookup
{
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    QList<QHostAddress> addresses;
};

} // namespace

QList<QHostAddress> lookUpHost(const QString& host, QDeadlineTimer deadline)
{
    if (QHostAddress address; address.setAddress(host))
        return {address};

    const auto lookup = std::make_shared<Lookup>();
    std::thread([lookup, host] {
        const QList<QHostAddress> addresses = QHostInfo::fromName(host).addresses();
        const std::lock_guard lock(lookup->mutex);
        lookup->addresses = addresses;
        lookup->finished = true;
        lookup->done.notify_one();
    }).detach();

    std::unique_lock lock(lookup->mutex);
    lookup->done.wait_until(lock, deadline.deadline<std::chrono::steady_clock>(),
                            [&] { return lookup->finished; });
    return lookup->addresses;
}
