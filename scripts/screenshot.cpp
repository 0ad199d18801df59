// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws a window of the program as a person sees it, without a screen, into
// the PNG file named: the main window (main), with the task panel open for a
// task being written (panel), a reminder's box over it (reminder), the splash
// window (splash) or the game (game). QT_SCALE_FACTOR=2 draws it at 200 %.
#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "forms/identity.h"
#include "launch/program_on_qt.h"
#include "qt/startup/application.h"
#include "qt/testing/press_ok.h"
#include "toolkit/program.h"

namespace {

// Slot 1's panel with a task written, due at `due` ("HH:MM:SS").
void writeATask(MainForm& f, const std::string& due) {
    (void)f.slotButton1.click();
    (void)f.contentBox.edit("下午三点开会，带上季度报告");
    (void)f.clockHour.choose(std::stoi(due.substr(0, 2)));
    (void)f.clockMinute.choose(std::stoi(due.substr(3, 2)));
    (void)f.clockSecond.choose(std::stoi(due.substr(6, 2)));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string which = argc == 3 ? argv[1] : "";
    QApplication application(argc, argv);
    qtview::setUpApplication();
    ProgramOnQt running;
    auto& services = running.services;
    auto& app = running.app;
    QPixmap shot;
    // Yes to every box, but the reminder's, which is what the picture shows.
    services.dialogs.observeShownBoxes([&](QDialog& box) {
        if (which == "reminder" && shot.isNull() && box.windowTitle() == identity::kName) {
            QApplication::processEvents();
            shot = box.grab();
        }
        qtview::testing::pressOk(box);
    });
    MainForm& f = app.mainForm();
    const std::map<std::string, std::function<tk::Form&()>> windows{
        {"main", [&]() -> tk::Form& { return f; }},
        {"panel",
         [&]() -> tk::Form& {
             f.show();
             writeATask(f, "15:00:00");
             return f;
         }},
        {"reminder",
         [&]() -> tk::Form& {
             f.show();
             writeATask(f, running.program.clockText());  // due in this very second
             (void)f.startTask.click();
             f.slotTimer1.tick();
             return f;
         }},
        {"splash", [&]() -> tk::Form& { return app.splashForm(); }},
        {"game", [&]() -> tk::Form& { return app.gameForm(); }},
    };
    const auto found = windows.find(which);
    if (found == windows.end()) {
        std::fprintf(stderr, "usage: screenshot main|panel|reminder|splash|game FILE.png\n");
        return 2;
    }
    tk::Form& form = found->second();
    form.show();
    QApplication::processEvents();
    if (shot.isNull()) shot = running.views.of(form).window().grab();
    if (!shot.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
