// CPU time the program uses while it waits: four tasks running, the title
// clock on and the log blinking, colours set through the palette; and, as a
// baseline in the same run, the same blinking done with style sheets.
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>

#include "bench_support.h"

namespace {

double percentOfOneCore(double cpuMs, int wallMs) { return 100.0 * cpuMs / wallMs; }

double programIdle(int ms) {
    LiveApp live;
    MainForm& f = live.app.mainForm;
    const double now = live.platform.clock.secondsSinceMidnight();
    for (int slot = 1; slot <= 4; ++slot) live.startTask(slot, tk::clockTextAt(now + 7200 + slot));
    f.Timer5.setInterval(1000);
    f.Text1.setBackColor(0x000000);
    f.Timer6.setInterval(330);
    LiveApp::run(1000);
    const double before = cpuMilliseconds();
    LiveApp::run(ms);
    return percentOfOneCore(cpuMilliseconds() - before, ms);
}

double styleSheetBlink(int ms) {
    QPlainTextEdit log;
    log.resize(353, 121);
    log.setPlainText(QString::fromStdString(MainForm::initialLog()));
    log.show();
    bool white = false;
    QTimer blink;
    QObject::connect(&blink, &QTimer::timeout, [&] {
        white = !white;
        log.setStyleSheet(white ? "QPlainTextEdit { background: black; color: white; }"
                                : "QPlainTextEdit { background: black; color: red; }");
    });
    blink.start(330);
    LiveApp::run(1000);
    const double before = cpuMilliseconds();
    LiveApp::run(ms);
    return percentOfOneCore(cpuMilliseconds() - before, ms);
}

}  // namespace

int main(int argc, char** argv) {
    drawOffscreenUnlessChosen();
    QApplication application(argc, argv);
    qtview::prepareApplication();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const double program = programIdle(seconds * 1000);
    std::printf("program waiting %d s (4 tasks, clock, blinking log): %.3f %% of one core\n",
                seconds, program);
    const int baseline = std::max(5, seconds / 3);
    const double sheets = styleSheetBlink(baseline * 1000);
    std::printf("baseline: log blinking through style sheets, %d s:  %.3f %% of one core\n",
                baseline, sheets);
    std::printf("ratio style sheets / program: %.1fx\n", sheets / program);
    return 0;
}
