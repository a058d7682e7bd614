// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPoint>

class QWidget;
class SettingsStore;

// The window's position as the store keeps it: its top-left corner in
// twips of the screen it is on.
namespace StoredPosition {

// Where the store puts `window`, kept on one of the screens. An edge whose
// stored text is no number stays where the window has it now.
QPoint read(const SettingsStore& store, const QWidget& window);
void write(SettingsStore& store, const QWidget& window);

} // namespace StoredPosition
