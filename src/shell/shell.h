#pragma once

#include "appearance/display_settings.h"
#include "forms/activity_log.h"
#include "forms/main_form.h"

#include <string>

class Tasks;
class ExitPassword;

// The main window's own behaviour: its load step, the title clock, the
// blinking of the log, hiding it, leaving the program by 退出, and what
// happens when the window is closed by the window system.
class Shell {
public:
    Shell(MainForm& form, Tasks& tasks, DisplaySettings& display, const ExitPassword& lock);

    float blinkPhase() const { return blinkPhase_; }

private:
    void Form_Load();
    void Form_Unload();
    void Command9_Click();
    void Command12_Click();
    void Command12_MouseMove();
    void askAndEnd();
    void askPasswordAndEnd(const std::string& exitPassword);
    void Timer5_Timer();
    void Timer6_Timer();

    MainForm& f;
    Tasks& tasks_;
    DisplaySettings& display_;
    const ExitPassword& lock_;
    float blinkPhase_ = 0;
};
