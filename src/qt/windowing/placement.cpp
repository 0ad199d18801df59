// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/windowing/placement.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace qtview {

namespace {

QMargins frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
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
    const QMargins framed = frameOf(window);
    const QRect outer = QRect(at, window.size())
                            .marginsAdded(frameToCome(window))
                            .translated(framed.left(), framed.top());
    const QPoint kept(keptWithin(outer.x(), outer.width(), area.x(), area.width()),
                      keptWithin(outer.y(), outer.height(), area.y(), area.height()));
    return at + (kept - outer.topLeft());
}

QPoint centred(const QWidget& window, const QRect& area) {
    const QMargins framed = frameOf(window);
    const QMargins frame = frameToCome(window);
    const QSize room = area.size() - window.size().grownBy(frame);
    const QPoint corner = area.topLeft() + QPoint(room.width() / 2, room.height() / 2);
    return keptWhole(
        window, corner + QPoint(frame.left() - framed.left(), frame.top() - framed.top()), area);
}

}  // namespace qtview
