// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace tk {
class Program;
}

namespace qtview {

// The desktop session's end (log off, shut down, restart) ends the program at
// once: no box, every window closed, the event loop left. Qt hears of it from
// the window system (the session manager's Die on Linux, WM_ENDSESSION on
// Windows) and asks the application to quit; left to Qt, that quit would
// close every window as a person closes one, and the main window's close
// scolds and waits for a click while the session waits for the program. A
// person's close of a window never comes this way. Watches the application
// for as long as it lives.
class SessionEnd : public QObject {
public:
    explicit SessionEnd(tk::Program& program);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    tk::Program& program_;
};

}  // namespace qtview
