// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QList>
#include <QString>

// The addresses of a host, looked up for a caller that waits no longer than
// the deadline: a slow name server holds up only a thread of its own, which
// finishes by itself. Empty when the name is unknown or the time is up. An
// address written out is its own answer.
QList<QHostAddress> lookUpHost(const QString& host, QDeadlineTimer deadline);
