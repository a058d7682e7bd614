// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Test-only LD_PRELOAD library: gives pseudo-terminal slaves modem lines, so
// the real serial-port code can run against them. The lines live in the file
// named by QUORLIN_MODEM_LINES, as words among RTS DTR CTS CD DSR RI (present
// means asserted). The test writes the inputs; the program's TIOCMSET,
// TIOCMBIS and TIOCMBIC write the outputs back. Without the variable or the
// file, the ioctls reach the kernel as usual (which answers ENOTTY).
//
// The driver's edge counters (TIOCGICOUNT) are the test's too: a word such
// as CTS=3 says Clear To Send has changed three times since the start; a
// line without one has not changed. TIOCMIWAIT waits until the test changes
// a line it asks for, its state or its counter, and fails with EIO once the
// pty hangs up and with EINTR on a signal, as a serial driver's does. The
// word NOWAIT makes the driver one without either request (EINVAL).
//
// Breaks too: TIOCSBRK puts the word BREAK in the file, TIOCCBRK takes it
// out, and TCSBRK with 0 holds it for 250 ms, as the kernel's does. When
// QUORLIN_MODEM_EVENTS names a file, each change of RTS, DTR or BREAK is
// appended to it as it happens, stamped with CLOCK_MONOTONIC in
// microseconds: "12345678 DTR off", so that a test can time them.
#include <array>
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <linux/serial.h>
#include <poll.h>
#include <string>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

struct Line
{
    const char* name;
    int bit;
};
constexpr std::array<Line, 6> Lines{{{"RTS", TIOCM_RTS},
                                     {"DTR", TIOCM_DTR},
                                     {"CTS", TIOCM_CTS},
                                     {"CD", TIOCM_CAR},
                                     {"DSR", TIOCM_DSR},
                                     {"RI", TIOCM_RNG}}};
constexpr int Inputs = TIOCM_CTS | TIOCM_CAR | TIOCM_DSR | TIOCM_RNG;

// What the file says: the asserted lines, each line's edge counter (by its
// place in Lines) and whether the driver can wait and count at all.
struct Device
{
    int bits = 0;
    std::array<long, Lines.size()> edges{};
    bool waits = true;
    bool breaking = false;
};

using IoctlFunction = int (*)(int, unsigned long, ...);

IoctlFunction realIoctl()
{
    static const auto real = reinterpret_cast<IoctlFunction>(dlsym(RTLD_NEXT, "ioctl"));
    return real;
}

bool isPtySlave(int fd)
{
    // Unix 98 pty slaves have majors 136 to 143.
    struct stat st
    {};
    return fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= 136 &&
           major(st.st_rdev) <= 143;
}

void readWord(const char* word, Device& device)
{
    if (std::strcmp(word, "NOWAIT") == 0)
        device.waits = false;
    if (std::strcmp(word, "BREAK") == 0)
        device.breaking = true;
    const char* equals = std::strchr(word, '=');
    const size_t nameLength = equals ? size_t(equals - word) : std::strlen(word);
    for (size_t i = 0; i < Lines.size(); ++i) {
        if (std::strlen(Lines[i].name) != nameLength ||
            std::strncmp(word, Lines[i].name, nameLength) != 0)
            continue;
        if (equals)
            device.edges[i] = std::strtol(equals + 1, nullptr, 10);
        else
            device.bits |= Lines[i].bit;
    }
}

bool readDevice(const char* path, Device& device)
{
    FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    device = {};
    char word[32];
    while (std::fscanf(file, "%31s", word) == 1)
        readWord(word, device);
    std::fclose(file);
    return true;
}

// Written aside and renamed, so that a reader never sees half a file.
void writeDevice(const char* path, const Device& device)
{
    const std::string aside = std::string(path) + ".new";
    FILE* file = std::fopen(aside.c_str(), "w");
    if (!file)
        return;
    for (const Line& line : Lines) {
        if (device.bits & line.bit)
            std::fprintf(file, "%s ", line.name);
    }
    for (size_t i = 0; i < Lines.size(); ++i) {
        if (device.edges[i] != 0)
            std::fprintf(file, "%s=%ld ", Lines[i].name, device.edges[i]);
    }
    if (!device.waits)
        std::fputs("NOWAIT ", file);
    if (device.breaking)
        std::fputs("BREAK ", file);
    std::fputc('\n', file);
    std::fclose(file);
    std::rename(aside.c_str(), path);
}

bool isModemLineRequest(unsigned long request, void* argument)
{
    // TCSBRK with an argument other than 0 only drains the output.
    return request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS ||
           request == TIOCMBIC || request == TIOCGICOUNT || request == TIOCMIWAIT ||
           request == TIOCSBRK || request == TIOCCBRK || (request == TCSBRK && !argument);
}

void recordEvent(const char* what, bool on)
{
    const char* path = std::getenv("QUORLIN_MODEM_EVENTS");
    if (!path)
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%lld %s %s\n", (long long)now.tv_sec * 1000000 + now.tv_nsec / 1000,
                     what, on ? "on" : "off");
        std::fclose(file);
    }
}

// Writes the device back, and records what changed of the outputs.
void update(const char* path, const Device& before, const Device& device)
{
    for (const Line& line : Lines) {
        if ((before.bits ^ device.bits) & line.bit)
            recordEvent(line.name, device.bits & line.bit);
    }
    if (before.breaking != device.breaking)
        recordEvent("BREAK", device.breaking);
    writeDevice(path, device);
}

void holdBreak(const char* path, const Device& device)
{
    Device breaking = device;
    breaking.breaking = true;
    update(path, device, breaking);
    const timespec quarterSecond{0, 250 * 1000 * 1000};
    nanosleep(&quarterSecond, nullptr);
    update(path, breaking, device);
}

// A pty whose master has gone is hung up: the kernel answers EIO to every
// request, and so must the lines, as for an adapter pulled out.
bool hungUp(int fd)
{
    winsize size{};
    return realIoctl()(fd, TIOCGWINSZ, &size) != 0 && errno == EIO;
}

bool changed(const Device& before, const Device& now, int mask)
{
    if ((before.bits ^ now.bits) & mask & Inputs)
        return true;
    for (size_t i = 0; i < Lines.size(); ++i) {
        if ((Lines[i].bit & mask & Inputs) && before.edges[i] != now.edges[i])
            return true;
    }
    return false;
}

// Blocks until the file changes one of the lines in `mask`: woken by the
// file's folder for each write of the file, and by the pty for its hang-up.
int waitForChange(const char* path, int fd, const Device& start, int mask)
{
    const std::string file(path);
    const size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash);
    const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch < 0 || inotify_add_watch(watch, folder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE) < 0) {
        if (watch >= 0)
            close(watch);
        errno = EINVAL;
        return -1;
    }
    int result = 0;
    for (;;) {
        Device now;
        if (hungUp(fd)) {
            result = EIO;
            break;
        }
        if (readDevice(path, now) && changed(start, now, mask))
            break;
        pollfd waits[2] = {{watch, POLLIN, 0}, {fd, 0, 0}};
        if (poll(waits, 2, -1) < 0 && errno == EINTR) {
            result = EINTR;
            break;
        }
        if (waits[1].revents & POLLHUP) {
            result = EIO;
            break;
        }
        char events[4096];
        while (read(watch, events, sizeof events) > 0) {
        }
    }
    close(watch);
    errno = result;
    return result == 0 ? 0 : -1;
}

// The answer for one modem-line request, or -1 with errno set.
int answer(const char* path, int fd, unsigned long request, void* argument)
{
    if (hungUp(fd))
        return -1;
    Device device;
    if (!readDevice(path, device)) {
        errno = ENOTTY;
        return -1;
    }
    if ((request == TIOCGICOUNT || request == TIOCMIWAIT) && !device.waits) {
        errno = EINVAL;
        return -1;
    }
    if (request == TIOCMIWAIT)
        return waitForChange(path, fd, device, int(reinterpret_cast<std::uintptr_t>(argument)));
    const auto edges = [&device](int bit) {
        for (size_t i = 0; i < Lines.size(); ++i) {
            if (Lines[i].bit == bit)
                return int(device.edges[i]);
        }
        return 0;
    };
    // The program drives only the outputs; the inputs are the test's.
    constexpr int Outputs = TIOCM_RTS | TIOCM_DTR;
    int* bits = static_cast<int*>(argument);
    const Device before = device;
    switch (request) {
    case TIOCGICOUNT: {
        serial_icounter_struct counts{};
        counts.cts = edges(TIOCM_CTS);
        counts.dcd = edges(TIOCM_CAR);
        counts.dsr = edges(TIOCM_DSR);
        counts.rng = edges(TIOCM_RNG);
        std::memcpy(argument, &counts, sizeof counts);
        return 0;
    }
    case TIOCMGET:
        *bits = device.bits;
        return 0;
    case TIOCMSET:
        device.bits = (device.bits & ~Outputs) | (*bits & Outputs);
        break;
    case TIOCMBIS:
        device.bits |= *bits & Outputs;
        break;
    case TIOCMBIC:
        device.bits &= ~(*bits & Outputs);
        break;
    case TIOCSBRK:
    case TIOCCBRK:
        device.breaking = request == TIOCSBRK;
        break;
    case TCSBRK:
        holdBreak(path, device);
        return 0;
    }
    update(path, before, device);
    return 0;
}

} // namespace

// glibc's declaration: the third argument is read as a pointer (TIOCMIWAIT
// passes its mask as the value itself).
extern "C" int ioctl(int fd, unsigned long request, ...)
{
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);

    const char* path = std::getenv("QUORLIN_MODEM_LINES");
    if (!path || !isModemLineRequest(request, argument) || !isPtySlave(fd))
        return realIoctl()(fd, request, argument);
    // The caller may look at errno after a success (Qt does), so a success
    // leaves it as it found it.
    const int savedErrno = errno;
    const int result = answer(path, fd, request, argument);
    if (result == 0)
        errno = savedErrno;
    return result;
}
