// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's services on Qt: how boxes answer when a person closes them,
// how closing the main window ends the process, and where the precise timers
// aim, under a fake wall clock.
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <utility>

#include "qt/services/session_end.h"
#include "qt_fixture.h"

namespace {

using QtServicesTest = QtTest;

TEST_F(QtServicesTest, EscapeOnTheStartUpQuestionEndsTheProgram) {
    answerWith = [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    EXPECT_EQ(runTheProcess([this] { app.start(); }), 0);
    EXPECT_TRUE(program.ended());
    ASSERT_EQ(shownTexts.size(), 1u);
    EXPECT_EQ(shownTexts[0], "你今天是否要定计划？");
    EXPECT_FALSE(views.of(app.splashForm()).window().isVisible());
}

TEST_F(QtServicesTest, ClosingABoxByItsCloseButtonIsCancel) {
    answerWith = [](QDialog& box) { box.close(); };
    EXPECT_EQ(program.messageBox("要吗？", tk::Buttons::OkCancel, "问"), tk::Answer::Cancel);
    EXPECT_EQ(program.inputBox("密码：", "问", "默认"), "");
    answerWith = [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    EXPECT_EQ(program.inputBox("密码：", "问", "默认"), "");
    answerWith = {};
    EXPECT_EQ(program.inputBox("密码：", "问", "默认"), "默认");
}

TEST_F(QtServicesTest, ClosingTheMainWindowByTheSystemScoldsAndEndsTheProcess) {
    f.show();
    EXPECT_EQ(runTheProcess([this] { view.window().close(); }), 0);
    ASSERT_EQ(shownTexts.size(), 1u);
    EXPECT_EQ(shownTexts[0], "用这种卑鄙的手段退出。。哼，我鄙视你！");
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(view.window().isVisible());
}

// Qt answers log off or shut down (WM_ENDSESSION, the session manager's Die)
// with the window system's quit, as QCoreApplication::quit() here: no box,
// and a box already open goes at once.
TEST_F(QtServicesTest, TheSessionsEndEndsTheProcessAtOnceWithNoBox) {
    qtview::SessionEnd sessionEnd(program);
    f.show();
    EXPECT_EQ(runTheProcess([] { QCoreApplication::quit(); }), 0);
    EXPECT_TRUE(shownTexts.empty());
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(view.window().isVisible());
}

TEST_F(QtServicesTest, TheSessionsEndLeavesAnOpenBoxUnanswered) {
    qtview::SessionEnd sessionEnd(program);
    f.show();
    answerWith = [](QDialog&) { QCoreApplication::quit(); };
    EXPECT_EQ(runTheProcess([this] { f.quit.click(); }), 0);
    EXPECT_EQ(shownTexts, std::vector<QString>{"你真的要退出吗？"});
    EXPECT_TRUE(program.ended());
}

TEST_F(QtServicesTest, APasswordIsAskedForWithStarsAndKeysAloneOtherAnswersInClear) {
    std::vector<QLineEdit::EchoMode> echoes;
    std::vector<bool> composing;
    answerWith = [&](QDialog& box) {
        echoes.push_back(static_cast<QInputDialog&>(box).textEchoMode());
        composing.push_back(takesInputMethod(*box.findChild<QLineEdit*>()));
        box.reject();
    };
    program.inputBox("需要密码", "", "", tk::Echo::Secret);
    program.inputBox("请输入密码：", "想知密码问阿甲", "5283146");
    EXPECT_EQ(echoes, (std::vector{QLineEdit::Password, QLineEdit::Normal}));
    EXPECT_EQ(composing, (std::vector{false, true}));
}

TEST_F(QtServicesTest, ABoxStaysAboveOtherWindowsAndAnEmptyTitleShowsTheProgramsName) {
    services.dialogs.setNameForEmptyTitles("钟约系统");
    std::vector<QString> titles;
    answerWith = [&](QDialog& box) {
        titles.push_back(box.windowTitle());
        EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            << box.windowTitle().toStdString();
        box.reject();
    };
    program.messageBox("自己去体会", tk::Buttons::Ok, "");
    program.messageBox("算你聪明！", tk::Buttons::Ok, "VI2000");
    program.inputBox("需要密码", "", "", tk::Echo::Secret);
    EXPECT_EQ(titles, (std::vector<QString>{"钟约系统", "VI2000", "钟约系统"}));
}

TEST_F(QtServicesTest, AShortBoxIsWideEnoughForItsTitleAndStaysCentred) {
    services.dialogs.setNameForEmptyTitles("钟约系统");
    QRect shown;
    answerWith = [&](QDialog& box) {
        shown = box.geometry();
        box.accept();
    };
    program.messageBox("自己去体会", tk::Buttons::Ok, "");
    QMessageBox plain(QMessageBox::NoIcon, "钟约系统", "自己去体会");
    plain.show();
    QApplication::processEvents();

    const int button = plain.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &plain);
    // Room for the title beside an icon and three buttons of the title bar.
    EXPECT_GE(shown.width(), plain.fontMetrics().horizontalAdvance("钟约系统") + 4 * button);
    EXPECT_GT(shown.width(), plain.width());
    EXPECT_NEAR(shown.center().x(), plain.geometry().center().x(), 1);
}

TEST_F(QtServicesTest, TheSettingsPanelWidensTheWindowToTheLeftAndKeepsItOnTheScreen) {
    f.show();
    QWidget& window = view.window();
    const QRect area = window.screen()->availableGeometry();
    const auto widenAndNarrow = [&] {
        const QRect before = window.geometry();
        QTest::mouseClick(widget(f.openSettings), Qt::LeftButton);
        const QRect widened = window.frameGeometry();
        QTest::mouseClick(widget(f.closeSettings), Qt::LeftButton);
        EXPECT_EQ(window.geometry(), before) << "closing takes back what opening did";
        return widened;
    };
    // Centred on the small offscreen screen, the window has no room on its
    // left: it goes no further than the screen's edge.
    ASSERT_LT(window.x(), px(4230));
    EXPECT_EQ(widenAndNarrow().left(), area.left());
    f.setLeft(4500);
    const int right = window.frameGeometry().right();
    EXPECT_EQ(widenAndNarrow().right(), right) << "with room, the right edge stays put";
}

TEST(ProgramViewTest, AWindowIsBuiltOnceWhenItIsFirstShown) {
    qtview::QtServices services;
    tk::Program program{services.services()};
    App app{program};
    qtview::ProgramView views{program};
    const auto windowsNamed = [](const char* name) {
        const auto all = QApplication::topLevelWidgets();
        return std::count_if(all.begin(), all.end(),
                             [name](const QWidget* w) { return w->objectName() == name; });
    };
    EXPECT_EQ(windowsNamed("Form1"), 0) << "nothing built before the window is shown";
    app.mainForm().show();
    EXPECT_EQ(windowsNamed("Form1"), 1);
    EXPECT_TRUE(views.of(app.mainForm()).window().isVisible());
    EXPECT_EQ(&views.of(app.mainForm()), &views.of(app.mainForm()));
    app.mainForm().hide();
    app.mainForm().show();
    EXPECT_EQ(windowsNamed("Form1"), 1) << "and never again";
    EXPECT_EQ(windowsNamed("Form2"), 0);
}

// The Qt timer service on a wall clock and wake-ups moved by hand.
class QtTimersTest : public QtTest {
protected:
    ManualTime time{1'700'000'000'000};  // at a turn of the second
    qtview::QtTimers timers{time};
    tk::Program timed{tk::Services{services.clock, services.dialogs, timers, services.lifetime}};
};

// Whole-second timers tick first one interval after arming, then 2 ms after
// each turn of the wall clock's second, all of them on one wake-up.
TEST_F(QtTimersTest, PreciseTimersAimJustAfterTheTurnOfTheSecond) {
    ProbeForm probe(timed);
    time.advance(400);
    probe.Tick.setInterval(1000);
    EXPECT_EQ(time.nextWakeMs(), 1000);
    time.advance(1000);
    EXPECT_EQ(probe.ticks, 1);
    EXPECT_EQ(time.nextWakeMs(), 602) << "aimed at 2 ms after the next turn";

    time.advance(597);
    time.wakeEarly();  // 5 ms before its turn
    EXPECT_EQ(probe.ticks, 1) << "no tick before the turn it was aimed at";
    EXPECT_EQ(time.nextWakeMs(), 5);
    time.advance(5);
    EXPECT_EQ(probe.ticks, 2);
    EXPECT_EQ(time.nextWakeMs(), 1000);

    time.moveWallClock(-3'600'000);  // set back an hour
    time.advance(1000);
    EXPECT_EQ(probe.ticks, 3) << "a clock set back does not hold the timer for the difference";
    EXPECT_EQ(time.nextWakeMs(), 1000);

    probe.Tick.setInterval(330);
    time.advance(330);
    EXPECT_EQ(time.nextWakeMs(), 330) << "other intervals are plain";
    probe.Tick.setInterval(0);
    EXPECT_EQ(time.nextWakeMs(), -1);
    EXPECT_EQ(time.startedWakeUps(), 0);
}

class FourTimers : public tk::Form {
public:
    explicit FourTimers(tk::Program& p) : tk::Form(p, "Four", {}) {}
    tk::Timer& A = addTimer("A");
    tk::Timer& B = addTimer("B");
    tk::Timer& C = addTimer("C");
    tk::Timer& D = addTimer("D");
};

TEST_F(QtTimersTest, TimersAimedAtTheSameTurnShareOneWakeUpAndTickInArmingOrder) {
    FourTimers four(timed);
    std::vector<std::string> ticks;
    bool boxInNextTick = false;
    whileOpen = [&] {
        time.advance(1000);
    };  // a box open in the first timer's tick: the others go on
    four.A.onTick.bind([&] {
        ticks.push_back("1");
        if (std::exchange(boxInNextTick, false)) timed.messageBox("打开着", tk::Buttons::Ok, "");
    });
    four.D.onTick.bind([&] { ticks.push_back("4"); });
    four.C.onTick.bind([&] { ticks.push_back("5"); });
    four.B.onTick.bind([&] { ticks.push_back("2"); });
    for (tk::Timer* timer : {&four.D, &four.A, &four.C, &four.B}) {
        time.advance(130);  // armed at different moments of the same second
        timer->setInterval(1000);
    }
    time.advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::string>{"4", "1", "5", "2"}));
    ticks.clear();
    EXPECT_EQ(time.startedWakeUps(), 1) << "one wake-up a second for all four";

    boxInNextTick = true;
    time.advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::string>{"4", "1", "4", "1", "5", "2", "5", "2"}))
        << "every tick in arming order, the second round while 1's box was open";
    four.C.setInterval(0);
    ticks.clear();
    time.advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::string>{"4", "1", "2"}));
}

// The splash's timer stops itself in its first tick: nothing of it may stay
// armed, or the wake-up it leaves behind spins after every start-up.
TEST_F(QtTimersTest, AWholeSecondTimerStoppedInItsFirstTickLeavesNoWakeUp) {
    FourTimers four(timed);
    int ticks = 0;
    four.A.onTick.bind([&] {
        ++ticks;
        four.A.setInterval(0);
    });
    four.A.setInterval(3000);
    time.advance(3000);
    EXPECT_EQ(ticks, 1);
    ASSERT_EQ(time.startedWakeUps(), 0);
}

// A tick aimed just after the turn of the second lands there only on a precise
// timer; Qt's default type may come 50 ms into the second. Where ticks land on
// the real clock is measured by bench/reminder_latency.
TEST(SystemTimeTest, WakeUpsAskQtForPreciseTimers) {
    const std::unique_ptr<QTimer> timer = qtview::wakeUpTimer([] {});
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(timer->isSingleShot());
}

}  // namespace
