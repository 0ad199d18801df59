// How long the windows take to be built and painted, and how much memory the
// process holds then; as a baseline, the same for one empty Qt window made
// first in the same process.
#include <QElapsedTimer>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "bench_support.h"

namespace {

// Resident memory of this process, in KiB.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

struct Cost {
    double ms;
    long kib;
};

template <class Build>
Cost measure(Build build) {
    const long before = residentKiB();
    QElapsedTimer clock;
    clock.start();
    QWidget& window = build();
    window.grab();  // painted once, as on screen
    return {static_cast<double>(clock.nsecsElapsed()) / 1e6, residentKiB() - before};
}

}  // namespace

int main(int argc, char** argv) {
    drawOffscreenUnlessChosen();
    QApplication application(argc, argv);
    qtview::prepareApplication();

    QWidget empty;
    const Cost baseline = measure([&]() -> QWidget& {
        empty.resize(383, 274);
        empty.show();
        return empty;
    });
    std::unique_ptr<LiveApp> live;
    const Cost program = measure([&]() -> QWidget& {
        live = std::make_unique<LiveApp>();
        return live->view.window();
    });
    std::printf("empty Qt window, built and painted:   %7.1f ms  %+6ld KiB resident\n", baseline.ms,
                baseline.kib);
    std::printf("main window built and painted:        %7.1f ms  %+6ld KiB resident\n", program.ms,
                program.kib);
    std::printf("process resident now: %ld KiB\n", residentKiB());
    return 0;
}
