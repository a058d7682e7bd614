#include "monitor/PortRecovery.h"

#include "platform/MSComm.h"

PortRecovery::PortRecovery(MSComm& port) : m_port(port)
{
    // Named and owned, so that it can be found as the window's controls are.
    m_retry.setObjectName(QStringLiteral("PortRecovery"));
    m_retry.setParent(this);
    m_retry.setInterval(RetryInterval);
    connect(&m_retry, &QTimer::timeout, this, &PortRecovery::retry);
}

void PortRecovery::start()
{
    m_retry.start();
}

void PortRecovery::stop()
{
    m_retry.stop();
}

void PortRecovery::retry()
{
    if (!m_port.setPortOpen(true))
        return;
    m_retry.stop();
    m_port.setRTSEnable(true);
    m_port.setDTREnable(true);
}
