#include "shell/splash.h"

#include "toolkit/program.h"

Splash::Splash(SplashForm& form, std::function<void()> showMainWindow)
    : f(form), showMainWindow_(std::move(showMainWindow)) {
    f.onLoad.bind([this] { Form_Load(); });
    f.Timer1.onTick.bind([this] { Timer1_Timer(); });
}

void Splash::Form_Load() {
    tk::Program& program = f.program();
    const tk::Answer answer = program.messageBox("你今天是否要定计划？", tk::Buttons::OkCancel, "");
    planAnswer_ = static_cast<double>(answer);
    if (answer == tk::Answer::Cancel) {
        program.end();
        return;
    }
    f.Timer1.setInterval(3000);
}

void Splash::Timer1_Timer() {
    f.Timer1.setInterval(0);
    f.hide();
    showMainWindow_();
}
