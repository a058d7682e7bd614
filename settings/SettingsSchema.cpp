// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsSchema.h"

#include "settings/NumberText.h"

#include <QCoreApplication>

namespace SettingsSchema {

QString keyName(Key key)
{
    switch (key) {
    case Key::PositionLeft:
        return QStringLiteral("Position-Left");
    case Key::PositionTop:
        return QStringLiteral("Position-Top");
    case Key::OnTop:
        return QStringLiteral("OnTop");
    case Key::Status1:
        return QStringLiteral("Status1");
    case Key::Status2:
        return QStringLiteral("Status2");
    case Key::Status3:
        return QStringLiteral("Status3");
    case Key::ComPort:
        return QStringLiteral("ComPort");
    }
    Q_UNREACHABLE();
}

QString defaultValue(Key key, double leftTwips, double topTwips)
{
    switch (key) {
    case Key::PositionLeft:
        return NumberText::fromNumber(leftTwips);
    case Key::PositionTop:
        return NumberText::fromNumber(topTwips);
    case Key::OnTop:
        return QStringLiteral("0");
    case Key::Status1:
        return defaultLabel(0);
    case Key::Status2:
        return defaultLabel(1);
    case Key::Status3:
        return defaultLabel(2);
    case Key::ComPort:
        return QStringLiteral("1");
    }
    Q_UNREACHABLE();
}

QString defaultLabel(int row)
{
    return QCoreApplication::translate("SettingsSchema", "Status Pin %1").arg(row + 1);
}

void seed(SettingsStore& store, double leftTwips, double topTwips)
{
    for (const Key key : SeedingOrder) {
        if (read(store, key).isEmpty())
            write(store, key, defaultValue(key, leftTwips, topTwips));
    }
}

QString read(const SettingsStore& store, Key key)
{
    return store.read(Section, keyName(key));
}

void write(SettingsStore& store, Key key, const QString& value)
{
    store.write(Section, keyName(key), value);
}

Key statusKey(int row)
{
    static constexpr std::array<Key, 3> keys{Key::Status1, Key::Status2, Key::Status3};
    return keys.at(static_cast<std::size_t>(row));
}

} // namespace SettingsSchema
