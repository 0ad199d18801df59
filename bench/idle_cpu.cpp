// CPU time the program uses while it waits: four tasks running, the title
// clock on and the log blinking, its colours set through the palette; and, as
// a baseline in the same run, the same with the blinking done by style sheets.
#include <QTimer>
#include <cstdio>
#include <functional>

#include "bench_support.h"

namespace {

double percentOfOneCore(double cpuMs, int wallMs) {
    return 100.0 * cpuMs / wallMs;
}

// Four tasks running, the title clock on, the log on black; then `blink`
// started and `ms` of waiting measured.
double waiting(int ms, const std::function<void(LiveApp&)>& blink) {
    LiveApp live;
    MainForm& f = live.app.mainForm;
    const double now = live.platform.clock.secondsSinceMidnight();
    for (int slot = 1; slot <= 4; ++slot) live.startTask(slot, tk::clockTextAt(now + 7200 + slot));
    f.Timer5.setInterval(1000);
    f.Text1.setBackColor(0x000000);
    blink(live);
    LiveApp::run(1000);
    const double before = cpuMilliseconds();
    LiveApp::run(ms);
    return percentOfOneCore(cpuMilliseconds() - before, ms);
}

void blinkThroughThePalette(LiveApp& live) {
    live.app.mainForm.Timer6.setInterval(330);
}

// The same blinking done by giving the log a new style sheet at every tick.
void blinkThroughStyleSheets(LiveApp& live) {
    auto* blink = new QTimer(&live.view.window());
    QWidget* log = live.view.widget(live.app.mainForm.Text1);
    QObject::connect(blink, &QTimer::timeout, log, [log, white = false]() mutable {
        white = !white;
        log->setStyleSheet(white ? "QPlainTextEdit { background: black; color: white; }"
                                 : "QPlainTextEdit { background: black; color: red; }");
    });
    blink->start(330);
}

}  // namespace

int main(int argc, char** argv) {
    drawOffscreenUnlessChosen();
    QApplication application(argc, argv);
    qtview::prepareApplication();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    std::printf("CPU while waiting: 4 tasks running, title clock on, log blinking\n");
    const double program = waiting(seconds * 1000, blinkThroughThePalette);
    std::printf("blinking through the palette, %3d s:    %.3f %% of one core\n", seconds, program);
    const int baseline = std::max(5, seconds / 3);
    const double sheets = waiting(baseline * 1000, blinkThroughStyleSheets);
    std::printf("blinking through style sheets, %3d s:   %.3f %% of one core\n", baseline, sheets);
    std::printf("ratio style sheets / program: %.1fx\n", sheets / program);
    return 0;
}
