// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsStore.h"

#include <array>
#include <QString>

// The seven values that outlive a run, all in section "Settings" of the store.
namespace SettingsSchema {

inline const QString Section = QStringLiteral("Settings");

enum class Key
{
    PositionLeft,
    PositionTop,
    OnTop,
    Status1,
    Status2,
    Status3,
    ComPort
};

// The order in which an activation seeds the keys.
inline constexpr std::array<Key, 7> SeedingOrder{Key::PositionLeft, Key::PositionTop, Key::OnTop,
                                                 Key::Status1,      Key::Status2,     Key::Status3,
                                                 Key::ComPort};

QString keyName(Key key);

// The value written when the key reads empty. The position keys default to
// where the window is now, in twips, so seeding leaves the window in place.
QString defaultValue(Key key, double leftTwips, double topTwips);
// The label of pin row 0, 1 or 2 until the user renames it, in the user's language.
QString defaultLabel(int row);

// Writes the default of every key that reads exactly empty, in seeding order.
// A value of blanks is not empty and is left alone.
void seed(SettingsStore& store, double leftTwips, double topTwips);

QString read(const SettingsStore& store, Key key);
void write(SettingsStore& store, Key key, const QString& value);

// The label key of pin row 0, 1 or 2.
Key statusKey(int row);

} // namespace SettingsSchema
