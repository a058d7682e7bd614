#pragma once

#include <chrono>
#include <QObject>
#include <QTimer>

class MSComm;

// Brings a lost port back: tries to open it about once a second, quietly, and
// once it opens asserts Request To Send and Data Terminal Ready, as the
// activation sequence does. The polling then finds it open again.
class PortRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds RetryInterval{1000};

    explicit PortRecovery(MSComm& port);

    void start();
    void stop();

private:
    void retry();

    MSComm& m_port;
    QTimer m_retry;
};
