// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <QtGui/private/qguiapplication_p.h>
#include <QGuiApplication>
#include <QWidget>

#include "qt/windowing/window_manager.h"
#include "toolkit/form.h"

namespace qtview {

// Windows gives every unowned window a task-bar button; a tool window's
// extended style takes it away without changing how the window looks
// (it has no title bar to draw smaller). Minimising needs no permission.
void setFrameAndTaskBarHints(QWidget& window, const tk::FormDesign& design) {
    if (design.inTaskBar) return;
    const auto handle = reinterpret_cast<HWND>(window.winId());
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
    SetWindowLongPtrW(handle, GWL_EXSTYLE, (style | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW);
}

// Windows lets a program in the background take the foreground only in a few
// cases (the foreground lock); otherwise it flashes the task-bar button and
// leaves the person's window in front. Qt's "always activate" behaviour joins
// the input of the foreground window's thread while it activates the window,
// which makes the activation the foreground's own. It is asked for here only:
// the program's other windows come in front by the system's usual rules.
void bringToFront(QWidget& window) {
    using QNativeInterface::Private::QWindowsApplication;
    auto* windows = qGuiApp->nativeInterface<QWindowsApplication>();
    if (windows == nullptr) {  // another platform plugin (offscreen)
        window.activateWindow();
        return;
    }
    const QWindowsApplication::WindowActivationBehavior usual = windows->windowActivationBehavior();
    windows->setWindowActivationBehavior(QWindowsApplication::AlwaysActivateWindow);
    window.activateWindow();
    windows->setWindowActivationBehavior(usual);
}

// Qt's alert flashes the task-bar button ten times and then leaves it lit;
// this flashes it until the window comes to the front.
void askForAttention(QWidget& window) {
    FLASHWINFO flash{};
    flash.cbSize = sizeof flash;
    flash.hwnd = reinterpret_cast<HWND>(window.winId());
    flash.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
    FlashWindowEx(&flash);
}

}  // namespace qtview
