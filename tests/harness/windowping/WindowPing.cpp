// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Test and benchmark tool: whether a window's program keeps answering.
//   window_ping WINDOW SECONDS
// Sends the window manager's ping (_NET_WM_PING) to WINDOW every 20 ms for
// SECONDS and listens on the root window, where the program sends each ping
// back. Prints "longest MS total MS": the longest round trip, and the time
// during which a ping older than 50 ms went unanswered, in all. A ping still
// unanswered at the end counts until then. The window manager pings too;
// these pings carry timestamps of their own, which it takes for none of its.
// Exits 2 when the window cannot be pinged.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Interval = std::chrono::milliseconds(20);
// A round trip this long is a stall; shorter ones are the cost of a ping.
constexpr auto StallThreshold = std::chrono::milliseconds(50);
// Far above the window manager's own ping numbers, which count from 1.
constexpr std::uint32_t FirstTimestamp = 0x70000000;

struct Ping
{
    Clock::time_point sent;
    std::optional<Clock::time_point> answered;
};

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::uint16_t(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

class Pinger
{
public:
    Pinger(xcb_connection_t* x, xcb_window_t window)
        : m_x(x), m_window(window), m_protocols(atom(x, "WM_PROTOCOLS")),
          m_ping(atom(x, "_NET_WM_PING"))
    {}

    bool send(std::uint32_t timestamp) const
    {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = m_window;
        event.type = m_protocols;
        event.data.data32[0] = m_ping;
        event.data.data32[1] = timestamp;
        event.data.data32[2] = m_window;
        const xcb_void_cookie_t cookie = xcb_send_event_checked(
            m_x, 0, m_window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
        xcb_flush(m_x);
        // Checked only for the first: a reply per ping would cost a round
        // trip to the server each time.
        if (timestamp != FirstTimestamp) {
            xcb_discard_reply(m_x, cookie.sequence);
            return true;
        }
        const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(m_x, cookie), &std::free);
        return !error;
    }

    // The timestamp of one of our pings sent back, if the event is one.
    std::optional<std::uint32_t> answer(const xcb_generic_event_t& event) const
    {
        if ((event.response_type & 0x7F) != XCB_CLIENT_MESSAGE)
            return std::nullopt;
        const auto& message = reinterpret_cast<const xcb_client_message_event_t&>(event);
        if (message.type != m_protocols || message.data.data32[0] != m_ping ||
            message.data.data32[2] != m_window || message.data.data32[1] < FirstTimestamp)
            return std::nullopt;
        return message.data.data32[1];
    }

private:
    xcb_connection_t* m_x;
    xcb_window_t m_window;
    xcb_atom_t m_protocols;
    xcb_atom_t m_ping;
};

void takeAnswers(xcb_connection_t* x, const Pinger& pinger, std::vector<Ping>& pings)
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
        const std::optional<std::uint32_t> timestamp = pinger.answer(*event);
        std::free(event);
        if (timestamp && *timestamp - FirstTimestamp < pings.size() &&
            !pings[*timestamp - FirstTimestamp].answered)
            pings[*timestamp - FirstTimestamp].answered = Clock::now();
    }
}

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

void report(const std::vector<Ping>& pings, Clock::time_point end)
{
    Clock::duration longest{};
    Clock::duration total{};
    // The stalls overlap, as pings keep going out while one waits; their
    // union is the time without an answer.
    Clock::time_point coveredUntil{};
    for (const Ping& ping : pings) {
        const Clock::time_point back = ping.answered.value_or(end);
        longest = std::max(longest, back - ping.sent);
        if (back - ping.sent <= StallThreshold || back <= coveredUntil)
            continue;
        total += back - std::max(ping.sent, coveredUntil);
        coveredUntil = back;
    }
    std::printf("longest %.1f total %.1f\n", milliseconds(longest), milliseconds(total));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WINDOW SECONDS\n", argv[0]);
        return 2;
    }
    const auto window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    const auto period = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(std::atof(argv[2])));
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 2;
    }
    // The answers go to the root window, for whoever listens there: the
    // window-manager hints (EWMH) ask for the substructure masks, Qt sends with the
    // structure one.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const Pinger pinger(x, window);

    std::vector<Ping> pings;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + period;
    Clock::time_point next = start;
    for (Clock::time_point now = start; now < end; now = Clock::now()) {
        if (now >= next) {
            if (!pinger.send(FirstTimestamp + std::uint32_t(pings.size()))) {
                std::fprintf(stderr, "%s: window %s cannot be pinged\n", argv[0], argv[1]);
                return 2;
            }
            pings.push_back({now, std::nullopt});
            next += Interval;
        }
        // What xcb has read already, the descriptor does not tell again.
        takeAnswers(x, pinger, pings);
        pollfd wait{xcb_get_file_descriptor(x), POLLIN, 0};
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(std::min(next, end) - now);
        poll(&wait, 1, int(std::max<std::int64_t>(left.count(), 0)));
        takeAnswers(x, pinger, pings);
        if (xcb_connection_has_error(x)) {
            std::fprintf(stderr, "%s: the X display went away\n", argv[0]);
            return 2;
        }
    }
    report(pings, end);
    xcb_disconnect(x);
    return 0;
}
