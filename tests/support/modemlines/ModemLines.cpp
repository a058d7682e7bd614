// Test-only LD_PRELOAD library: gives pseudo-terminal slaves modem lines, so
// the real serial-port code can run against them. The lines live in the file
// named by QUORLIN_MODEM_LINES, as words among RTS DTR CTS CD DSR RI (present
// means asserted). The test writes the inputs; the program's TIOCMSET,
// TIOCMBIS and TIOCMBIC write the outputs back. Without the variable or the
// file, the ioctls reach the kernel as usual (which answers ENOTTY).
#include <array>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

bool readLines(const char* path, int& bits)
{
    FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    bits = 0;
    char word[16];
    while (std::fscanf(file, "%15s", word) == 1) {
        for (const Line& line : Lines) {
            if (std::strcmp(word, line.name) == 0)
                bits |= line.bit;
        }
    }
    std::fclose(file);
    return true;
}

// Written aside and renamed, so that a reader never sees half a file.
void writeLines(const char* path, int bits)
{
    const std::string aside = std::string(path) + ".new";
    FILE* file = std::fopen(aside.c_str(), "w");
    if (!file)
        return;
    for (const Line& line : Lines) {
        if (bits & line.bit)
            std::fprintf(file, "%s ", line.name);
    }
    std::fputc('\n', file);
    std::fclose(file);
    std::rename(aside.c_str(), path);
}

bool isModemLineRequest(unsigned long request)
{
    return request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS || request == TIOCMBIC;
}

// The answer for one modem-line request, or -1 with errno set.
int answer(const char* path, int fd, unsigned long request, int* argument)
{
    // A pty whose master has gone is hung up: the kernel answers EIO to
    // every request, and so must the lines, as for an adapter pulled out.
    winsize size{};
    if (realIoctl()(fd, TIOCGWINSZ, &size) != 0 && errno == EIO)
        return -1;
    int bits = 0;
    if (!readLines(path, bits)) {
        errno = ENOTTY;
        return -1;
    }
    // The program drives only the outputs; the inputs are the test's.
    constexpr int Outputs = TIOCM_RTS | TIOCM_DTR;
    switch (request) {
    case TIOCMGET:
        *argument = bits;
        return 0;
    case TIOCMSET:
        bits = (bits & ~Outputs) | (*argument & Outputs);
        break;
    case TIOCMBIS:
        bits |= *argument & Outputs;
        break;
    case TIOCMBIC:
        bits &= ~(*argument & Outputs);
        break;
    }
    writeLines(path, bits);
    return 0;
}

} // namespace

// glibc's declaration: the third argument is read as a pointer.
extern "C" int ioctl(int fd, unsigned long request, ...)
{
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);

    const char* path = std::getenv("QUORLIN_MODEM_LINES");
    if (!path || !isModemLineRequest(request) || !isPtySlave(fd))
        return realIoctl()(fd, request, argument);
    // The caller may look at errno after a success (Qt does), so a success
    // leaves it as it found it.
    const int savedErrno = errno;
    const int result = answer(path, fd, request, static_cast<int*>(argument));
    if (result == 0)
        errno = savedErrno;
    return result;
}
