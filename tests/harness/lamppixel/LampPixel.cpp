// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Test and benchmark tool: how long after a change of the modem lines one
// pixel of a window changes on the X display.
//   lamp_pixel WINDOW X Y FILE LINES [flash]
// Reads the pixel at X, Y of window WINDOW, writes LINES to the modem-lines
// FILE (aside and renamed, as the tests write it), then reads the pixel
// again and again until it changes and prints "changed MS", the time since
// the write. With flash, it then waits for the pixel to come back and adds
// "back MS". Exits 1 when the pixel does not change within 5 s.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto GiveUp = std::chrono::seconds(5);

struct Pixel
{
    bool read = false;
    unsigned char bytes[4]{};
    bool operator==(const Pixel& other) const
    {
        return read == other.read && std::memcmp(bytes, other.bytes, sizeof bytes) == 0;
    }
};

Pixel readPixel(xcb_connection_t* x, xcb_window_t window, int left, int top)
{
    Pixel pixel;
    const xcb_get_image_cookie_t cookie =
        xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(left), int16_t(top), 1, 1, ~0u);
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(x, cookie, nullptr), &std::free);
    if (reply && xcb_get_image_data_length(reply.get()) >= 4) {
        std::memcpy(pixel.bytes, xcb_get_image_data(reply.get()), 4);
        pixel.read = true;
    }
    return pixel;
}

bool writeLines(const std::string& path, const char* lines)
{
    const std::string aside = path + ".new";
    FILE* file = std::fopen(aside.c_str(), "w");
    if (!file)
        return false;
    std::fprintf(file, "%s\n", lines);
    return std::fclose(file) == 0 && std::rename(aside.c_str(), path.c_str()) == 0;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Reads until the pixel is (or is not) `than`; false after GiveUp.
bool waitFor(xcb_connection_t* x, xcb_window_t window, int left, int top, const Pixel& than,
             bool same)
{
    const auto start = Clock::now();
    while (Clock::now() - start < GiveUp) {
        if ((readPixel(x, window, left, top) == than) == same)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 6 && !(argc == 7 && std::strcmp(argv[6], "flash") == 0)) {
        std::fprintf(stderr, "usage: %s WINDOW X Y FILE LINES [flash]\n", argv[0]);
        return 2;
    }
    const auto window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    const int left = std::atoi(argv[2]);
    const int top = std::atoi(argv[3]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 2;
    }
    const Pixel before = readPixel(x, window, left, top);
    if (!before.read) {
        std::fprintf(stderr, "%s: window %s cannot be read\n", argv[0], argv[1]);
        return 2;
    }
    const auto written = Clock::now();
    if (!writeLines(argv[4], argv[5])) {
        std::perror(argv[4]);
        return 2;
    }
    if (!waitFor(x, window, left, top, before, false)) {
        std::puts("unchanged");
        return 1;
    }
    std::printf("changed %.1f", millisecondsSince(written));
    if (argc == 7) {
        const auto changed = Clock::now();
        if (!waitFor(x, window, left, top, before, true)) {
            std::puts(" never back");
            return 1;
        }
        std::printf(" back %.1f", millisecondsSince(changed));
    }
    std::puts("");
    xcb_disconnect(x);
    return 0;
}
