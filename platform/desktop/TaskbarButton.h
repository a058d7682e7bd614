// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

class QWindow;

namespace TaskbarButton {

// Asks the window manager to give the window no task-bar button. Call it
// while the window is about to be mapped (from its non-spontaneous show
// event): window managers read the request only then. Does nothing on
// platforms with no such request.
void suppress(QWindow& window);

} // namespace TaskbarButton
