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

// A Quit comes to the application only from the window system at the
// session's end: Windows' WM_ENDSESSION by way of quit(), the session
// manager's Die directly. Like any quit() in Qt 6 it comes spontaneous, so
// that tells nothing apart. The program ends by exit(), which sends no Quit,
// and Qt posts none of its own with quitOnLastWindowClosed off. A person's
// close reaches a window as a Close, never here.
bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Quit || watched != QCoreApplication::instance()) return false;
    program_.end();
    return true;
}

}  // namespace qtview
