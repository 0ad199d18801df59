// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How soon the program shows its start-up question, from the exec of the
// process to the box's first paint, and how much memory it holds with the
// main window up; as baselines, the same for a bare Qt window and for a bare
// window showing the question's line of Chinese, exec'd the same way in the
// same run, rounds alternating.
//
//   startup [rounds]     (children are this program again, in one of the modes below)
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "forms/main_form.h"
#include "forms/splash_form.h"
#include "launch/launch.h"
#include "qt/look/fonts.h"
#include "qt/model_text.h"
#include "qt/testing/press_ok.h"
#include "toolkit/testing/test_services.h"

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// A line of /proc/self/status or smaps_rollup, in KiB.
long kibOf(const char* file, const std::string& key) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
    }
    return -1;
}

// Resident KiB of the font files this process has mapped: pages of the file
// (shared with every other program using the font) that its glyphs touched.
long fontFilesKib() {
    std::ifstream in("/proc/self/smaps");
    long kib = 0;
    bool inFontFile = false;
    for (std::string line; std::getline(in, line);) {
        // A mapping's header starts with its address range; its figures with a name and a colon.
        const bool header = line.substr(0, line.find(' ')).find('-') != std::string::npos;
        if (header)
            inFontFile = line.find("/fonts/") != std::string::npos;
        else if (inFontFile && line.rfind("Rss:", 0) == 0)
            kib += std::stol(line.substr(4));
    }
    return kib;
}

void reportMemoryAndExit() {
    std::printf("%ld %ld %ld\n", kibOf("/proc/self/status", "VmRSS:"),
                kibOf("/proc/self/smaps_rollup", "Pss:"), fontFilesKib());
    std::fflush(stdout);
    _exit(0);
}

// Prints the ms from `origin` to the first paint of a widget that `watched`
// accepts, and ends the process there.
class FirstPaint : public QObject {
public:
    FirstPaint(long long origin, bool (*watched)(QObject*)) : origin_(origin), watched_(watched) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched_(object)) {
            std::printf("%.2f\n", static_cast<double>(monotonicNs() - origin_) / 1e6);
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }

private:
    long long origin_;
    bool (*watched_)(QObject*);
};

bool isMessageBox(QObject* object) {
    return qobject_cast<QMessageBox*>(object) != nullptr;
}
bool isWidget(QObject* object) {
    return object->isWidgetType();
}

// The modes a child runs in. The program runs as main() runs it, watched
// through the application, from the moment the application is made.
int runProgramUntilTheQuestion(int argc, char** argv, long long origin) {
    static long long firstPaintOrigin = 0;
    firstPaintOrigin = origin;
    qAddPreRoutine([] {
        QCoreApplication::instance()->installEventFilter(
            new FirstPaint(firstPaintOrigin, isMessageBox));
    });
    return launch(argc, argv);
}

int runBareWindowUntilPainted(int argc, char** argv, long long origin) {
    QApplication application(argc, argv);
    application.installEventFilter(new FirstPaint(origin, isWidget));
    QWidget window;
    window.resize(383, 274);
    window.show();
    return QApplication::exec();
}

// The least any window asking the question pays on top of a bare one: the
// question's line of Chinese in the program's font, on a plain label.
int runTextWindowUntilPainted(int argc, char** argv, long long origin) {
    QApplication application(argc, argv);
    application.installEventFilter(new FirstPaint(origin, isWidget));
    QApplication::setFont(qtview::toQFont(tk::Font{}));
    QLabel window("你今天是否要定计划？");
    window.resize(383, 274);
    window.show();
    return QApplication::exec();
}

// Answers every box with 确定 as soon as it is on screen.
class PressingOk : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        if (auto* box = qobject_cast<QDialog*>(object)) {
            QTimer::singleShot(0, box, [box] { qtview::testing::pressOk(*box); });
        }
        return false;
    }
};

// Yes to the question, then the memory once the main window has been up a while.
int runProgramForMemory(int argc, char** argv) {
    qAddPreRoutine([] {
        QCoreApplication::instance()->installEventFilter(new PressingOk);
        QTimer::singleShot(4500, [] { reportMemoryAndExit(); });
    });
    return launch(argc, argv);
}

// What showing the program's words costs by itself: a bare window with a
// plain label for every caption and text of the splash and the main window
// (also those the main window keeps hidden), each in its control's font.
int runLabelsForMemory(int argc, char** argv) {
    QApplication application(argc, argv);
    tk::testing::TestServices services;
    const SplashForm splash(services.program);
    const MainForm main(services.program);
    QWidget window;
    auto* grid = new QGridLayout(&window);
    int shown = 0;
    const std::initializer_list<const tk::Form*> forms{&splash, &main};
    for (const tk::Form* form : forms) {
        for (const auto& control : form->controls()) {
            const auto* box = dynamic_cast<const tk::TextBox*>(control.get());
            const std::string words = box != nullptr ? box->text() : control->caption();
            if (words.empty()) continue;
            auto* label = new QLabel(qtview::shownLines(words));
            label->setFont(qtview::toQFont(control->font()));
            grid->addWidget(label, shown / 5, shown % 5);
            ++shown;
        }
    }
    window.show();
    QTimer::singleShot(1500, [] { reportMemoryAndExit(); });
    return QApplication::exec();
}

int runBareWindowForMemory(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(383, 274);
    window.show();
    QTimer::singleShot(1500, [] { reportMemoryAndExit(); });
    return QApplication::exec();
}

// Runs this program again in `mode` and returns what it printed.
std::string runChild(const std::string& mode) {
    int out[2];
    if (pipe(out) != 0) return {};
    const std::string origin = std::to_string(monotonicNs());
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl("/proc/self/exe", "startup", mode.c_str(), origin.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string printed;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    waitpid(child, nullptr, 0);
    return printed;
}

void printFigures(const char* what, std::vector<double> ms) {
    const Figures f = figuresOf(ms);
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s min %6.1f  median %6.1f  max %6.1f ms\n", what, ms.front(), f.median, f.max);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc >= 3 ? argv[1] : "";
    const long long origin = argc >= 3 ? std::atoll(argv[2]) : 0;
    if (mode == "question") return runProgramUntilTheQuestion(argc, argv, origin);
    if (mode == "bare") return runBareWindowUntilPainted(argc, argv, origin);
    if (mode == "text") return runTextWindowUntilPainted(argc, argv, origin);
    if (mode == "memory") return runProgramForMemory(argc, argv);
    if (mode == "bare-memory") return runBareWindowForMemory(argc, argv);
    if (mode == "labels-memory") return runLabelsForMemory(argc, argv);

    // On the desktop when there is one: that is where start-up matters.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) drawOffscreenUnlessChosen();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::vector<double> program;
    std::vector<double> bare;
    std::vector<double> text;
    for (int i = 0; i < rounds; ++i) {
        bare.push_back(std::atof(runChild("bare").c_str()));
        text.push_back(std::atof(runChild("text").c_str()));
        program.push_back(std::atof(runChild("question").c_str()));
    }
    std::printf("from exec to first paint, %d rounds each, on %s\n", rounds,
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "the X server"
                                                     : qgetenv("QT_QPA_PLATFORM").constData());
    printFigures("bare Qt window:", bare);
    printFigures("bare window, one line of Chinese:", text);
    printFigures("the start-up question:", program);
    std::printf("ratio question / bare window (medians): %.2fx\n",
                figuresOf(program).median / figuresOf(bare).median);
    std::printf("ratio question / line of Chinese (medians): %.2fx\n",
                figuresOf(program).median / figuresOf(text).median);

    long rss = 0, pss = 0, fonts = 0, bareRss = 0, barePss = 0, bareFonts = 0;
    long labelsRss = 0, labelsPss = 0, labelsFonts = 0;
    std::sscanf(runChild("memory").c_str(), "%ld %ld %ld", &rss, &pss, &fonts);
    std::sscanf(runChild("bare-memory").c_str(), "%ld %ld %ld", &bareRss, &barePss, &bareFonts);
    std::sscanf(runChild("labels-memory").c_str(), "%ld %ld %ld", &labelsRss, &labelsPss,
                &labelsFonts);
    const auto printMemory = [](const char* what, long rssKib, long pssKib, long fontKib) {
        std::printf("%-32s %6.1f MB resident (font files %4.1f MB), %6.1f MB proportional\n", what,
                    rssKib / 1024.0, fontKib / 1024.0, pssKib / 1024.0);
    };
    printMemory("memory with the main window up:", rss, pss, fonts);
    printMemory("memory of a bare Qt window:", bareRss, barePss, bareFonts);
    printMemory("its words on plain labels:", labelsRss, labelsPss, labelsFonts);
    return 0;
}
