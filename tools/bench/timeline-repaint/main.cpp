// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Fills a history with a number of changes, one a millisecond on the lines
// in turn, ending now, and prints what the timeline costs with it: the
// resident memory it added, and the median time of a repaint of the latest
// ten seconds and of the whole history.
//   timeline-repaint <changes>        (QT_QPA_PLATFORM=offscreen)
#include "monitor/LineHistory.h"
#include "monitor/TimelineView.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <QApplication>
#include <QImage>
#include <string>
#include <vector>

namespace {

long residentKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string key; status >> key;) {
        long kib = 0;
        if (key == "VmRSS:" && status >> kib)
            return kib;
    }
    return 0;
}

double medianRepaintMs(TimelineView& view)
{
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    for (int i = 0; i < 51; ++i) {
        const auto start = std::chrono::steady_clock::now();
        view.render(&image);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(times.begin(), times.begin() + 25, times.end());
    return times[25];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const long changes = argc > 1 ? std::stol(argv[1]) : 0;
    const long before = residentKib();
    {
        const auto start = LineHistory::Clock::now() - std::chrono::milliseconds(changes);
        LineHistory history(start);
        std::vector<bool> on(TraceCount);
        for (long i = 0; i < changes; ++i) {
            const int trace = int(i % TraceCount);
            on[std::size_t(trace)] = !on[std::size_t(trace)];
            history.lineChanged(start + std::chrono::milliseconds(i), trace, on[std::size_t(trace)],
                                1);
        }
        const long filled = residentKib();
        TimelineView view(history,
                          [](int row) { return QStringLiteral("Status Pin %1").arg(row + 1); });
        view.resize(1200, 400);
        const double latest = medianRepaintMs(view);
        view.scale().zoom(1e12, view.latest(), view.first(), view.latest());
        const double all = medianRepaintMs(view);
        std::printf(
            "%9ld changes kept: %6.1f MiB above the program, repaint %6.2f ms (latest 10 s), "
            "%6.2f ms (all)\n",
            long(history.changes().size()), double(filled - before) / 1024.0, latest, all);
    }
    return 0;
}
