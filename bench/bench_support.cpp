// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench_support.h"

#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "qt/testing/press_ok.h"

LiveApp::LiveApp() {
    services.dialogs.observeShownBoxes([this](QDialog& box) {
        if (onBoxShown) {
            auto* message = qobject_cast<QMessageBox*>(&box);
            onBoxShown(message != nullptr ? message->text().toStdString() : std::string());
        }
        qtview::testing::pressOk(box);
    });
    app.mainForm().show();
}

void LiveApp::startTask(int slot, const std::string& due) {
    MainForm& f = app.mainForm();
    (void)slotButton(f, slot).click();
    f.contentBox.setText("基准");
    f.clockHour.setListIndex(std::stoi(due.substr(0, 2)));
    f.clockMinute.setListIndex(std::stoi(due.substr(3, 2)));
    f.clockSecond.setListIndex(std::stoi(due.substr(6, 2)));
    f.startTask.click();
}

void LiveApp::run(int ms, const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QTimer poll;
    if (done) {
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done()) loop.quit();
        });
        poll.start(10);
    }
    loop.exec();
}

Figures figuresOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    auto at = [&](double q) {
        const auto i = static_cast<std::size_t>(std::ceil(q * static_cast<double>(samples.size())));
        return samples[std::min(samples.size() - 1, i == 0 ? 0 : i - 1)];
    };
    return {at(0.5), at(0.95), samples.back()};
}

// Exact: the kernel's own count of time on a core, not ticks sampled at 250 Hz.
double cpuMilliseconds() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1000.0 + static_cast<double>(used.tv_nsec) / 1e6;
}

void drawOffscreenUnlessChosen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}
