// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/LoopbackSerialLine.h"

bool LoopbackSerialLine::open()
{
    m_open = true;
    return true;
}

void LoopbackSerialLine::close()
{
    m_open = false;
    m_requestToSend = false;
    m_dataTerminalReady = false;
}

bool LoopbackSerialLine::setRequestToSend(bool asserted)
{
    if (!m_open)
        return false;
    m_requestToSend = asserted;
    return true;
}

bool LoopbackSerialLine::setDataTerminalReady(bool asserted)
{
    if (!m_open)
        return false;
    m_dataTerminalReady = asserted;
    return true;
}

bool LoopbackSerialLine::setBreak(bool)
{
    return m_open;
}

std::optional<bool> LoopbackSerialLine::clearToSend() const
{
    return whileOpen(m_requestToSend);
}

std::optional<bool> LoopbackSerialLine::carrierDetect() const
{
    return whileOpen(true);
}

std::optional<bool> LoopbackSerialLine::dataSetReady() const
{
    return whileOpen(m_dataTerminalReady);
}

std::optional<bool> LoopbackSerialLine::ringIndicator() const
{
    return whileOpen(false);
}

std::optional<bool> LoopbackSerialLine::whileOpen(bool level) const
{
    if (!m_open)
        return std::nullopt;
    return level;
}
