#include "monitor/ActivationWatch.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

ActivationWatch::ActivationWatch(const QWidget& window, WindowTest isReturnWindow)
    : m_window(window), m_isReturnWindow(std::move(isReturnWindow))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationWatch::focusWindowChanged);
}

void ActivationWatch::focusWindowChanged(QWindow* focused)
{
    // No focus window: the user went to another application. What counts is
    // the program's window that was active before that.
    if (!focused)
        return;

    if (focused == m_window.windowHandle()) {
        const bool reload = m_last == Last::Nothing || m_last == Last::ReturnWindow;
        m_last = Last::Watched;
        if (reload)
            QMetaObject::invokeMethod(this, &ActivationWatch::activated, Qt::QueuedConnection);
        return;
    }
    m_last = m_isReturnWindow(focused) ? Last::ReturnWindow : Last::OtherWindow;
}
