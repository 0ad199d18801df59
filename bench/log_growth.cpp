// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What one new entry on top of the activity log costs as the log grows, on
// the real widget (model, push and repaint); as a baseline in the same run,
// the same entry when the whole text is laid out again, as a plain text box
// does when its text is set.
#include <QElapsedTimer>
#include <cstdio>

#include "bench_support.h"
#include "qt/widgets/text_area.h"
#include "toolkit/text.h"

namespace {

// Median ms of `rounds` entries written on a log of about `chars` characters.
double entryCost(LiveApp& live, std::size_t chars, bool wholeText, int rounds) {
    MainForm& f = live.app.mainForm();
    auto& area = static_cast<qtview::TextArea&>(*live.view.widget(f.logBox));
    ActivityLog log(f.logBox);
    std::string text = MainForm::initialLog();
    const std::string entry = ActivityLog::logSeparator + "12:00:00->任务1开始";
    for (std::size_t count = tk::characterCount(text); count < chars;
         count += tk::characterCount(entry)) {
        text.insert(0, entry);
    }
    f.logBox.setText(text);
    std::vector<double> samples;
    for (int i = 0; i < rounds; ++i) {
        if (wholeText) area.forgetShownText();
        QElapsedTimer clock;
        clock.start();
        log.write("12:00:01->任务2开始");
        area.viewport()->repaint();
        samples.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return figuresOf(samples).median;
}

}  // namespace

int main(int argc, char** argv) {
    drawOffscreenUnlessChosen();
    QApplication application(argc, argv);
    qtview::setUpApplication();
    LiveApp live;
    std::printf("one log entry (model, widget, repaint), median ms\n");
    std::printf("%12s %14s %14s %8s\n", "characters", "on top", "whole text", "ratio");
    for (const std::size_t chars : {1'000u, 10'000u, 100'000u, 1'000'000u}) {
        const int rounds = chars >= 1'000'000u ? 5 : 15;
        const double onTop = entryCost(live, chars, false, rounds);
        const double whole = entryCost(live, chars, true, rounds);
        std::printf("%12zu %14.2f %14.2f %7.1fx\n", chars, onTop, whole, whole / onTop);
    }
    return 0;
}
