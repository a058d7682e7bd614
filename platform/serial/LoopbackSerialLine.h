// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/SerialLine.h"

// The built-in "loop://" plug: a port wired back onto itself, so Clear To
// Send follows Request To Send, Data Set Ready follows Data Terminal Ready and
// Carrier Detect is on; no ring comes in, and a break has nowhere to go. It
// opens with both outputs off, so what the lamps show is only what the
// program itself asserted. It can be neither refused nor lost.
class LoopbackSerialLine : public SerialLine
{
    Q_OBJECT

public:
    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool isLost() const override { return false; }
    QString errorString() const override { return {}; }

    bool setRequestToSend(bool asserted) override;
    bool setDataTerminalReady(bool asserted) override;
    bool setBreak(bool on) override;

    std::optional<bool> clearToSend() const override;
    std::optional<bool> carrierDetect() const override;
    std::optional<bool> dataSetReady() const override;
    std::optional<bool> ringIndicator() const override;

private:
    std::optional<bool> whileOpen(bool level) const;

    bool m_open = false;
    bool m_requestToSend = false;
    bool m_dataTerminalReady = false;
};
