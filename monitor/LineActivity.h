#pragma once

#include "monitor/PulseCounter.h"
#include "platform/SerialLine.h"

#include <array>
#include <optional>
#include <QString>

class LineLog;

// What the ticks see of the three input lines since the port opened, row by
// row (0 Carrier Detect, 1 Data Set Ready, 2 Clear To Send): each line's
// pulses, and, when there is a log, a line in it for each change.
class LineActivity
{
public:
    struct Row
    {
        bool flash = false; // a pulse came and went since the row's last read
        int pulses = 0;     // since the port opened
        bool operator==(const Row&) const = default;
    };

    void setLog(LineLog* log) { m_log = log; }
    // The port opened: counting starts again, and the log names the port
    // with the first reading of its lines.
    void restart(const QString& port);
    Row read(int row, bool on, const std::optional<EdgeCounts>& counts);

private:
    void logOpening(int row, bool on);

    std::array<PulseCounter, 3> m_lines;
    LineLog* m_log = nullptr;
    QString m_port;
    // The first reading since the port opened, until all three are logged.
    std::array<std::optional<bool>, 3> m_opening;
    bool m_openingLogged = false;
};
