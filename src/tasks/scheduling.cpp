#include "tasks/tasks.h"
#include "toolkit/program.h"
#include "toolkit/text.h"

void Tasks::Option1_Click() {
    scheduleMode_ = 1;
    enableClockTimeCombos(true);
}

void Tasks::Option2_Click() {
    scheduleMode_ = 2;
    enableClockTimeCombos(false);
}

void Tasks::Command5_Click() {
    const int n = currentSlot_;
    if (!isSlot(n) || !checkEntries()) return;
    const due_time::DueTime due = dueTimeFromEntries();

    tk::Program& program = f.program();
    program.messageBox(
        "任务" + std::to_string(n) + "将在以下时间进行提醒：" + ActivityLog::newLine + due.text,
        tk::Buttons::Ok, "任务ＯＫ");
    const std::string title = f.Text2.text();
    const std::string content = f.Text3.text();
    offerStart(false);
    f.Command6.setEnabled(true);
    closePanel();

    controls(n).button.setCaption(texts(n).runningCaption);
    TaskSlot& s = slots_[index(n)];
    s.title = title;
    s.content = content;
    s.remindTime = due.text;
    s.remindSeconds = due.seconds;
    controls(n).timer.setInterval(kRunningInterval);
    log_.write(program.clockText() + "->任务" + std::to_string(n) + "开始");
}

// The first failing check shows its message and the start goes no further.
bool Tasks::checkEntries() {
    tk::Program& program = f.program();
    if (f.Text3.text().empty()) {
        program.messageBox("请写入本任务的“提醒内容”", tk::Buttons::Ok, "");
        return false;
    }
    if (scheduleMode_ == 1) {
        if (tk::characterCount(f.Combo1.text() + f.Combo2.text() + f.Combo3.text()) != 6) {
            program.messageBox("请将提醒的时间设置完整", tk::Buttons::Ok, "怎么搞的啊？");
            return false;
        }
        return true;
    }
    const std::string duration = f.Combo4.text() + f.Combo5.text() + f.Combo6.text();
    if (tk::characterCount(duration) != 6) {
        program.messageBox("请将提醒的时间设置完整", tk::Buttons::Ok, "啊哦！");
        return false;
    }
    if (std::stoi(duration) < 30) {
        program.messageBox("提醒时间最少应不小于30钞", tk::Buttons::Ok, "记住３０钞");
        return false;
    }
    return true;
}

due_time::DueTime Tasks::dueTimeFromEntries() {
    if (scheduleMode_ == 1) {
        return due_time::atClockTime(f.Combo1.text(), f.Combo2.text(), f.Combo3.text());
    }
    return due_time::afterDuration(f.program().clockText(), std::stoi(f.Combo4.text()),
                                   std::stoi(f.Combo5.text()), std::stoi(f.Combo6.text()));
}
