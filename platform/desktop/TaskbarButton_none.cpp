// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/TaskbarButton.h"

namespace TaskbarButton {

// No request of the kind on this platform.
void suppress(QWindow&) {}

} // namespace TaskbarButton
