// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Exclusive holds on a serial device, as other programs take them: an flock
// on the open device (pyserial's exclusive=True) or the terminal's TIOCEXCL
// flag, which root itself passes over. Both only on Unix; elsewhere the
// system's own open refuses a port in use.
namespace ExclusiveHold {

// Whether another program holds the device by TIOCEXCL, found by opening it
// alongside: a probe that stays open until released, so that the device is
// not closed for the last time (dropping its lines) between probe and open.
class Probe
{
public:
    explicit Probe(const QString& devicePath);
    ~Probe();
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    // Empty when the device may be opened; else why not, in the system's words.
    QString refusal() const { return m_refusal; }

private:
    int m_fd = -1;
    QString m_refusal;
};

// Takes an flock on an open device for as long as it stays open; false when
// another program holds one.
bool lock(int fd);

QString heldElsewhere();

} // namespace ExclusiveHold
