// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/services/session_end.h"

#include <QCoreApplication>
#include <QEvent>

#include "toolkit/program.h"

namespace qtview {

SessionEnd::SessionEnd(tk::Program& program) : program_(program) {
    QCoreApplication::instance()->installEventFilter(this);
}

// The window system's quit reaches the application as a spontaneous Quit
// event; one the program or Qt itself posts is not spontaneous, and is left
// to Qt.
bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Quit || !event->spontaneous() ||
        watched != QCoreApplication::instance()) {
        return false;
    }
    program_.end();
    return true;
}

}  // namespace qtview
