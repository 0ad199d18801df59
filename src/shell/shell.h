#pragma once

#include "appearance/display_settings.h"
#include "forms/activity_log.h"
#include "forms/main_form.h"

class Tasks;

// The main window's own behaviour: its load step, the title clock, the
// blinking of the log, and what happens when it is closed by the window system.
class Shell {
public:
    Shell(MainForm& form, Tasks& tasks, DisplaySettings& display);

    float blinkPhase() const { return blinkPhase_; }

private:
    void Form_Load();
    void Form_Unload();
    void Timer5_Timer();
    void Timer6_Timer();

    MainForm& f;
    Tasks& tasks_;
    DisplaySettings& display_;
    float blinkPhase_ = 0;
};
