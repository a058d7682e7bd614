// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/WindowZOrder.h"

#include <QWidget>
#include <QWindow>

namespace WindowZOrder {

void setWindowPos(QWidget& window, Band band, const QRect& frame)
{
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, band == Band::Topmost);
    if (flags != window.windowFlags()) {
        // QWidget::setWindowFlags() would hide and re-create a visible window;
        // the platform window takes the new flags in place (on X11 through
        // _NET_WM_STATE_ABOVE), and the widget is told what they now are.
        window.overrideWindowFlags(flags);
        if (QWindow* handle = window.windowHandle())
            handle->setFlags(flags);
    }

    if (window.isVisible()) {
        if (window.frameGeometry().topLeft() != frame.topLeft())
            window.move(frame.topLeft());
    } else {
        window.move(frame.topLeft());
        const bool quiet = window.testAttribute(Qt::WA_ShowWithoutActivating);
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        window.show();
        window.setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    }
    if (band == Band::NotTopmost)
        window.raise();
}

} // namespace WindowZOrder
