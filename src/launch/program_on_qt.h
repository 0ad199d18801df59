// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "app/app.h"
#include "forms/identity.h"
#include "qt/services/qt_services.h"
#include "qt/services/session_end.h"
#include "qt/sound/reminder_sound.h"
#include "qt/view/program_view.h"
#include "qt/windowing/window_manager.h"
#include "toolkit/program.h"

// The whole program on the real Qt services, its windows' views
// ready to be made; what main(), the benchmarks and the screenshots run.
// Needs a QApplication.
struct ProgramOnQt {
    ProgramOnQt() {
        services.dialogs.setNameForEmptyTitles(identity::kName);
        services.dialogs.setHomeScreen([this] { return views.homeScreen(); });
        // The box comes in front of what the person is working in; the task
        // bar marks the main window as well.
        services.dialogs.setReminderShownHook([this](QDialog& box) {
            qtview::bringToFront(box);
            reminderSound.play();
            qtview::askForAttention(views.of(app.mainForm()).window());
        });
    }

    qtview::ReminderSound reminderSound{identity::kName, identity::kDesktopId};
    qtview::QtServices services;
    tk::Program program{services.services()};
    // Log off or shut down ends it at once, with no box.
    qtview::SessionEnd sessionEnd{program};
    App app{program};
    qtview::ProgramView views{program, &app.mainForm()};
};
