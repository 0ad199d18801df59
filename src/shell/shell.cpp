#include "shell/shell.h"

#include "forms/look.h"
#include "tasks/tasks.h"
#include "toolkit/program.h"

namespace {
const char* const kTitle = "钟约系统";
}

Shell::Shell(MainForm& form, Tasks& tasks, DisplaySettings& display)
    : f(form), tasks_(tasks), display_(display) {
    f.onLoad.bind([this] { Form_Load(); });
    f.onUnload.bind([this] { Form_Unload(); });
    f.Timer5.onTick.bind([this] { Timer5_Timer(); });
    f.Timer6.onTick.bind([this] { Timer6_Timer(); });
}

void Shell::Form_Load() {
    tasks_.setScheduleMode(1);
}

void Shell::Form_Unload() {
    tk::Program& program = f.program();
    program.messageBox("用这种卑鄙的手段退出。。哼，我鄙视你！", tk::Buttons::Ok, "鄙视+ing");
    program.end();
}

void Shell::Timer5_Timer() {
    f.Label1.setCaption(kTitle + f.program().clockText());
    if (display_.clockStopRequest() == 1) {
        f.Timer5.setInterval(0);
        f.Label1.setCaption(kTitle);
        display_.setClockStopRequest(0);
    }
}

void Shell::Timer6_Timer() {
    if (blinkPhase_ != 0) {
        f.Text1.setForeColor(look::kRed);
        blinkPhase_ = 0;
    } else {
        f.Text1.setForeColor(look::kWhite);
        blinkPhase_ = 1;
    }
}
