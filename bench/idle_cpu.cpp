// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// CPU time the program uses while it waits: four tasks running, the title
// clock on and the log blinking, its colours set through the palette; the
// same with the log holding the keyboard focus and its caret, as after a
// reminder until a person clicks; the same without the clock, to show its
// share; and, as baselines in the same run, the blinking done by style sheets,
// and the floor: a bare widget of the log's size that draws one of two
// pictures at the same rate, the least any blinking widget costs.
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>
#include <array>
#include <cstdio>
#include <functional>

#include "bench_support.h"

namespace {

double percentOfOneCore(double cpuMs, int wallMs) {
    return 100.0 * cpuMs / wallMs;
}

enum class Clock { On, Off };

// Four tasks running, the title clock on unless said, the log on black; then
// `blink` started and `ms` of waiting measured. `logArea` is the size of the
// log's text area.
double waiting(int ms, const std::function<void(LiveApp&)>& blink, QSize& logArea,
               Clock clock = Clock::On) {
    LiveApp live;
    MainForm& f = live.app.mainForm();
    const double now = live.services.clock.now().local.secondsOfDay;
    for (int slot = 1; slot <= 4; ++slot) live.startTask(slot, tk::clockTextAt(now + 7200 + slot));
    if (clock == Clock::On) f.titleClock.setInterval(1000);
    f.logBox.setBackColor(0x000000);
    blink(live);
    logArea = static_cast<QPlainTextEdit*>(live.view.widget(f.logBox))->viewport()->size();
    LiveApp::run(1000);
    const double before = cpuMilliseconds();
    LiveApp::run(ms);
    return percentOfOneCore(cpuMilliseconds() - before, ms);
}

void blinkThroughThePalette(LiveApp& live) {
    live.app.mainForm().blinkTimer.setInterval(330);
}

// As after a reminder: the window is active again after the boxes, and the log
// takes the focus, so that a screen reader reads it, and blinks with its caret
// showing.
void blinkWithTheLogFocused(LiveApp& live) {
    live.view.window().activateWindow();
    live.app.mainForm().logBox.setFocus();
    blinkThroughThePalette(live);
}

// The same blinking done by giving the log a new style sheet at every tick.
void blinkThroughStyleSheets(LiveApp& live) {
    auto* blink = new QTimer(&live.view.window());
    QWidget* log = live.view.widget(live.app.mainForm().logBox);
    QObject::connect(blink, &QTimer::timeout, log, [log, white = false]() mutable {
        white = !white;
        log->setStyleSheet(white ? "QPlainTextEdit { background: black; color: white; }"
                                 : "QPlainTextEdit { background: black; color: red; }");
    });
    blink->start(330);
}

// A bare window whose one child draws a ready picture, the other one at
// every tick of a timer of the blink's interval.
double floorOfBlinking(int ms, QSize size) {
    struct Picture : QWidget {
        std::array<QPixmap, 2> looks;
        std::size_t shown = 0;
        void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, looks[shown]); }
    };
    QWidget window;
    window.resize(size + QSize(40, 40));
    Picture picture;
    picture.setParent(&window);
    picture.setGeometry(QRect(QPoint(20, 20), size));
    for (QPixmap& look : picture.looks) look = QPixmap(size);
    picture.looks[0].fill(Qt::white);
    picture.looks[1].fill(Qt::red);
    window.show();
    QTimer blink;
    blink.setTimerType(Qt::PreciseTimer);
    QObject::connect(&blink, &QTimer::timeout, [&picture] {
        picture.shown = 1 - picture.shown;
        picture.update();
    });
    blink.start(330);
    LiveApp::run(1000);
    const double before = cpuMilliseconds();
    LiveApp::run(ms);
    return percentOfOneCore(cpuMilliseconds() - before, ms);
}

void printCpu(const char* what, int seconds, double percent) {
    std::printf("%-34s %3d s: %.3f %% of one core\n", what, seconds, percent);
}

}  // namespace

int main(int argc, char** argv) {
    drawOffscreenUnlessChosen();
    QApplication application(argc, argv);
    qtview::setUpApplication();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    std::printf("CPU while waiting: 4 tasks running, title clock on, log blinking\n");
    QSize logSize;
    const double program = waiting(seconds * 1000, blinkThroughThePalette, logSize);
    printCpu("blinking through the palette", seconds, program);
    const double focused = waiting(seconds * 1000, blinkWithTheLogFocused, logSize);
    printCpu("the same, the log focused", seconds, focused);
    std::printf("ratio focused / program: %.1fx\n", focused / program);
    const int baseline = std::max(5, seconds / 3);
    const double clockless = waiting(baseline * 1000, blinkThroughThePalette, logSize, Clock::Off);
    printCpu("the same without the title clock", baseline, clockless);
    const double sheets = waiting(baseline * 1000, blinkThroughStyleSheets, logSize);
    printCpu("blinking through style sheets", baseline, sheets);
    std::printf("ratio style sheets / program: %.1fx\n", sheets / program);
    const double floor = floorOfBlinking(baseline * 1000, logSize);
    printCpu("floor: a bare widget redrawn", baseline, floor);
    std::printf("ratio program / floor: %.1fx\n", program / floor);
    return 0;
}
