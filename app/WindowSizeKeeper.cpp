// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSizeKeeper.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace {

WindowSize::System SystemHere() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
               ? WindowSize::System::Wayland
               : WindowSize::System::X11;
}

WindowSize::States StatesOf(Qt::WindowStates states) {
    return {.maximized = states.testFlag(Qt::WindowMaximized),
            .fullScreen = states.testFlag(Qt::WindowFullScreen)};
}

} // namespace

WindowSizeKeeper::WindowSizeKeeper(QWidget* window, int width)
    : QObject(window), window(window), rule(SystemHere(), width) {}

void WindowSizeKeeper::SetHeight(int pixels) {
    Apply(rule.HeightAsked(pixels));
}

void WindowSizeKeeper::Watch() {
    QWindow* native = window->windowHandle();
    connect(native, &QWindow::windowStateChanged, this,
            [this](Qt::WindowState state) { Apply(rule.StateRequested(StatesOf(state))); });
    native->installEventFilter(this);
    window->installEventFilter(this);
}

bool WindowSizeKeeper::eventFilter(QObject* watched, QEvent* event) {
    const QWindow* native = window->windowHandle();
    if (watched == window) {
        if (event->type() == QEvent::Paint)
            Apply(rule.Painted());
    } else if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
        const auto before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        Apply(rule.StateReported(StatesOf(native->windowStates()), StatesOf(before)));
    } else if (event->type() == QEvent::Show) {
        Apply(rule.Shown());
    } else if (event->type() == QEvent::Resize) {
        Apply(rule.Resized(native->width(), native->height()));
    }
    return QObject::eventFilter(watched, event);
}

void WindowSizeKeeper::Apply(const WindowSize::Answer& answer) {
    using Size = WindowSize::Answer::Size;
    if (answer.leaveMaximized)
        window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
    if (answer.size == Size::Any) {
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else if (answer.size == Size::Fixed) {
        const QSize size(rule.Width(), rule.Height());
        window->setFixedSize(size);
        window->resize(size); // a restore may bring back the size from before a maximize
    }
    if (answer.liftBounds && window->windowHandle()) {
        window->windowHandle()->setMinimumSize(QSize(0, 0));
        window->windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }
    if (answer.repaint)
        window->update();
    if (answer.later != WindowSize::Later::Nothing)
        QTimer::singleShot(0, this, [this, later = answer.later] { Apply(rule.Run(later)); });
}
