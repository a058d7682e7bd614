// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LampBox.h"

#include "platform/desktop/ScrollBarColour.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {

// A lamp reads as one image: the lit lamp lying over it is part of what it
// says, not an object of its own.
class LampAccessible : public QAccessibleWidget
{
public:
    explicit LampAccessible(QWidget* lamp) : QAccessibleWidget(lamp, QAccessible::Graphic) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* lampAccessible(const QString& className, QObject* object)
{
    return className == QLatin1String(LampBox::staticMetaObject.className())
               ? new LampAccessible(static_cast<LampBox*>(object))
               : nullptr;
}

} // namespace

LampBox::LampBox(const QString& imageResource, QWidget* parent) : QLabel(parent)
{
    // Qt asks its factories for the interface of every object; one
    // registration serves every lamp.
    static const bool accessibleInstalled = (QAccessible::installFactory(lampAccessible), true);
    Q_UNUSED(accessibleInstalled);
    setPixmap(QPixmap(imageResource));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, scrollBarColour());
    setPalette(colours);
    setAutoFillBackground(true);
}

void LampBox::paintEvent(QPaintEvent*)
{
    // The image covers the box as 15 of its 17 pixels do, in the screen's own
    // pixels and nearest neighbour, so that each pixel of the lamp stays one
    // colour, at 200 % an exact block of 2 by 2.
    const QPixmap& image = pixmap();
    const double ratio = devicePixelRatioF();
    const int side = qRound(width() * ratio * image.width() / BoxSize);
    QPixmap shown = side == image.width()
                        ? image
                        : image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shown.setDevicePixelRatio(ratio);
    QPainter(this).drawPixmap(0, 0, shown);
}

void LampBox::standFor(const QString& line, QWidget& lit)
{
    m_line = line;
    m_lit = &lit;
    setAccessibleName(line);
    describe(lit.isVisibleTo(this));
    lit.installEventFilter(this);
}

bool LampBox::eventFilter(QObject* watched, QEvent* event)
{
    // Shown or hidden as such, whether or not the window is on screen yet.
    if (watched == m_lit && !m_showing &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        describe(event->type() == QEvent::ShowToParent);
    return QLabel::eventFilter(watched, event);
}

void LampBox::showLine(bool on, int pulses, bool flash)
{
    m_pulses = pulses;
    m_showing = true;
    m_lit->setVisible(on != flash);
    m_showing = false;
    describe(on);
}

void LampBox::describe(bool on)
{
    QString state = on ? tr("on") : tr("off");
    if (m_pulses == 1)
        state += tr(", 1 pulse");
    else if (m_pulses > 1)
        state += tr(", %1 pulses").arg(m_pulses);
    // Setting the description tells screen readers, which announce it: only
    // a change is news.
    if (state == accessibleDescription())
        return;
    setAccessibleDescription(state);
    setToolTip(QStringLiteral("%1: %2").arg(m_line, state));
}
