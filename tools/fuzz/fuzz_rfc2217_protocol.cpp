// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/Rfc2217Protocol.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Whatever a server sends, in two pieces cut where the first byte says, into
// a client that has just asked for the option. Besides not crashing, the
// client must not answer out of all proportion to what it was sent.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::size_t sent = 0;
    Rfc2217Protocol protocol([&sent](const char*, std::size_t bytes) { sent += bytes; });
    protocol.start();

    const char* bytes = reinterpret_cast<const char*>(data) + 1;
    const std::size_t length = size - 1;
    const std::size_t cut = std::min<std::size_t>(data[0], length);
    protocol.receive(bytes, cut);
    protocol.receive(bytes + cut, length - cut);

    // The line reads these at every tick.
    (void)protocol.clearToSend();
    (void)protocol.carrierDetect();
    (void)protocol.dataSetReady();
    // The setting-up once agreed, then a reply of a few bytes per request.
    if (sent > 256 + 4 * size)
        __builtin_trap();
    return 0;
}
