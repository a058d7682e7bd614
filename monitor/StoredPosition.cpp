// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/StoredPosition.h"

#include "monitor/WindowPlacement.h"
#include "platform/desktop/ScreenTwips.h"
#include "settings/NumberText.h"
#include "settings/SettingsSchema.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

using SettingsSchema::Key;

namespace StoredPosition {

QPoint read(const SettingsStore& store, const QWidget& window)
{
    const auto left = NumberText::toSingle(SettingsSchema::read(store, Key::PositionLeft));
    const auto top = NumberText::toSingle(SettingsSchema::read(store, Key::PositionTop));
    const double x = left ? *left / Twips::perPixelX(&window) : window.pos().x();
    const double y = top ? *top / Twips::perPixelY(&window) : window.pos().y();

    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    const QRect fallback = QGuiApplication::primaryScreen()->availableGeometry();
    return WindowPlacement::onScreen(x, y, window.frameGeometry().size(), screens, fallback);
}

void write(SettingsStore& store, const QWidget& window)
{
    SettingsSchema::write(store, Key::PositionLeft,
                          NumberText::fromNumber(window.pos().x() * Twips::perPixelX(&window)));
    SettingsSchema::write(store, Key::PositionTop,
                          NumberText::fromNumber(window.pos().y() * Twips::perPixelY(&window)));
}

} // namespace StoredPosition
