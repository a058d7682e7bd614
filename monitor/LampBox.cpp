#include "monitor/LampBox.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPixmap>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
QColor scrollBarColour()
{
#ifdef Q_OS_WIN
    const COLORREF colour = GetSysColor(COLOR_SCROLLBAR);
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
#else
    // Desktops other than Windows name no scroll-bar colour of their own; the
    // button colour is what their scroll bars are drawn in.
    return QGuiApplication::palette().color(QPalette::Button);
#endif
}
} // namespace

LampBox::LampBox(const QString& imageResource, QWidget* parent) : QLabel(parent)
{
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
