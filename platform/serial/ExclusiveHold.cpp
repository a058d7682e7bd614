// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/ExclusiveHold.h"

#include <QCoreApplication>

// Taking and finding the holds is the system's: ExclusiveHold_unix.cpp, or
// ExclusiveHold_none.cpp where the system's own open refuses a port in use.

namespace ExclusiveHold {

QString heldElsewhere()
{
    return QCoreApplication::translate("ExclusiveHold", "held by another program");
}

} // namespace ExclusiveHold
