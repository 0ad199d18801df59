// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/windowing/placement.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace qtview {

namespace {

// How far the window's pos() lies from its client area: Qt's frame as the
// widget last learnt it, which is what move() goes by.
QPoint posToClient(const QWidget& window) {
    return window.geometry().topLeft() - window.frameGeometry().topLeft();
}

// The frame the window manager gives the window now. A widget keeps the frame
// it learnt at its last move or resize, which can be one read while the window
// manager was still framing it (KWin's frame is 1 pixel square then: the
// margins came out as minus the window's size, and a box centred by them went
// half the game's size down and to the right); the native window reads it
// again whenever the window manager changes it. No frame reaches inside its
// window: margins below zero are no frame known.
QMargins frameOf(const QWidget& window) {
    const QWindow* native = window.windowHandle();
    if (native == nullptr) return {};
    const QMargins frame = native->frameMargins();
    const bool real = std::min({frame.left(), frame.top(), frame.right(), frame.bottom()}) >= 0;
    return real ? frame : QMargins();
}

// A window not yet framed will get the frame the program's other windows
// have: the window manager draws them all alike.
QMargins frameToCome(const QWidget& window) {
    const QMargins own = frameOf(window);
    if (!own.isNull()) return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other->isVisible() && !frameOf(*other).isNull()) return frameOf(*other);
    }
    return {};
}

// Along one axis: the least move that brings [at, at + length) into
// [start, start + room), its start first where it cannot be whole.
int keptWithin(int at, int length, int start, int room) {
    return std::max(start, std::min(at, start + room - length));
}

}  // namespace

QRect workArea(const QScreen* screen) {
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QPoint keptWhole(const QWidget& window, QPoint at, const QRect& area) {
    const QRect outer =
        QRect(at + posToClient(window), window.size()).marginsAdded(frameToCome(window));
    const QPoint kept(keptWithin(outer.x(), outer.width(), area.x(), area.width()),
                      keptWithin(outer.y(), outer.height(), area.y(), area.height()));
    return at + (kept - outer.topLeft());
}

QPoint centred(const QWidget& window, const QRect& area) {
    const QMargins frame = frameToCome(window);
    const QSize room = area.size() - window.size().grownBy(frame);
    const QPoint corner = area.topLeft() + QPoint(room.width() / 2, room.height() / 2);
    return keptWhole(window, corner + QPoint(frame.left(), frame.top()) - posToClient(window),
                     area);
}

}  // namespace qtview
