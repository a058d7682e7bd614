#pragma once

#include <functional>
#include <QFile>
#include <QString>

// A record of the lines for the user to keep: one line of text per event,
// stamped with the local time to the millisecond, appended to a file or
// written to standard output.
class LineLog
{
public:
    using FailureHandler = std::function<void(const QString& message)>;

    // "-" names standard output. Nothing is opened before the first line.
    explicit LineLog(const QString& fileName);

    // Told when a line does not reach the log, with a message for the user;
    // told once, and not again until a line has reached it.
    void setFailureHandler(FailureHandler handler) { m_onFailed = std::move(handler); }

    // "<time> Com1 /dev/ttyUSB0 opened: CD on DSR off CTS off"
    void portOpened(const QString& port, bool cd, bool dsr, bool cts);
    // "<time> CTS on 1": the line's short name, its state and the edges
    // counted since its previous log line.
    void lineChanged(const QString& line, bool on, int edges);

private:
    void append(const QString& text);
    bool openFile();

    QString m_fileName;
    QFile m_file;
    FailureHandler m_onFailed;
    bool m_failing = false;
};
