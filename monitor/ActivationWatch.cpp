// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/ActivationWatch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

ActivationWatch::ActivationWatch(QWidget& window, WindowTest isReturnWindow)
    : m_window(window), m_isReturnWindow(std::move(isReturnWindow))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationWatch::focusWindowChanged);
    m_window.installEventFilter(this);
}

bool ActivationWatch::eventFilter(QObject* watched, QEvent* event)
{
    // The widget's native window exists once it is shown. It counts as shown
    // when it is exposed: then the window manager has framed it, so that the
    // window's stored position means the same as when it was saved.
    QWindow* handle = m_window.windowHandle();
    if (watched == &m_window && event->type() == QEvent::Show && handle)
        handle->installEventFilter(this);
    if (watched == handle && event->type() == QEvent::Expose && handle->isExposed() &&
        m_last == Last::Nothing) {
        m_last = Last::Watched;
        activate();
    }
    return false;
}

void ActivationWatch::activate()
{
    QMetaObject::invokeMethod(this, &ActivationWatch::activated, Qt::QueuedConnection);
}

void ActivationWatch::returnWindowClosed()
{
    if (m_last == Last::Nothing || m_last == Last::Watched)
        return;
    m_last = Last::Watched;
    activate();
}

void ActivationWatch::focusWindowChanged(QWindow* focused)
{
    // No focus window: the user went to another application. What counts is
    // the program's window that was active before that.
    if (!focused)
        return;

    if (focused == m_window.windowHandle()) {
        if (m_last == Last::ReturnWindowShowing)
            return;
        const bool reload = m_last == Last::Nothing || m_last == Last::ReturnWindow;
        m_last = Last::Watched;
        if (reload)
            activate();
        return;
    }
    m_last = m_isReturnWindow(focused) ? Last::ReturnWindow : Last::OtherWindow;
}
