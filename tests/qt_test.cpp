// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real windows, offscreen: widgets mirror the model, real user actions
// reach it, real timers and the real clock deliver a reminder.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "qt/accessibility/accessible_names.h"
#include "qt/look/fonts.h"
#include "qt/model_text.h"
#include "qt/startup/application.h"
#include "qt/startup/platform_choice.h"
#include "qt/widgets/character_limit.h"
#include "qt_fixture.h"

namespace {

// The offscreen platform on Windows draws glyphs unhinted: no pixel of a
// stroke is covered whole, so there a pixel near the colour counts.
#ifdef _WIN32
constexpr int kGlyphBlur = 100;
#else
constexpr int kGlyphBlur = 0;
#endif

int pixelsOf(QWidget* widget, QColor colour) {
    const QImage shot = widget->grab().toImage();
    const auto near = [&colour](QColor pixel) {
        return std::abs(pixel.red() - colour.red()) <= kGlyphBlur &&
               std::abs(pixel.green() - colour.green()) <= kGlyphBlur &&
               std::abs(pixel.blue() - colour.blue()) <= kGlyphBlur;
    };
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) count += near(shot.pixelColor(x, y));
    }
    return count;
}

TEST_F(QtTest, WidgetsMirrorTheModelAndFollowItsChanges) {
    f.show();
    auto* frame2 = view.window().findChild<QGroupBox*>("Frame2");
    auto* start = view.window().findChild<QPushButton*>("Command5");
    auto* log = view.window().findChild<QPlainTextEdit*>("Text1");
    ASSERT_NE(frame2, nullptr);
    ASSERT_NE(start, nullptr);
    ASSERT_NE(log, nullptr);
    for (const auto& control : f.controls()) {
        EXPECT_NE(view.widget(*control), nullptr) << control->name();
        EXPECT_EQ(view.widget(*control)->objectName().toStdString(), control->name());
    }
    EXPECT_EQ(view.window().size(), QSize(px(5745), px(4110)));
    EXPECT_EQ(start->geometry(), QRect(px(240), px(1560), px(1335) - px(240), px(1935) - px(1560)));
    EXPECT_FALSE(frame2->isVisible());
    EXPECT_EQ(frame2->title(), "任务设置");
    EXPECT_EQ(log->toPlainText(), "\n" + QString(22, ' ') + "钟约系统\n");

    f.slotButton1.click();
    EXPECT_TRUE(frame2->isVisible());
    EXPECT_EQ(view.window().height(), px(4110 + 2160));
    EXPECT_FALSE(view.widget(f.workArea)->isEnabled());
    f.logBox.setBackColor(0x000000);
    EXPECT_EQ(log->palette().color(QPalette::Base), QColor(0, 0, 0));
    f.logBox.setForeColor(0x0000FF);
    EXPECT_EQ(log->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
    ActivityLog(f.logBox).write("12:00:00->任务1开始");
    EXPECT_TRUE(log->toPlainText().startsWith("\n" + QString(54, '-') + "\n12:00:00->任务1开始\n"));
    EXPECT_FALSE(log->toPlainText().contains('\r'));
}

TEST_F(QtTest, PasswordBoxesEchoStarsTakeSixteenCharactersAndTabInTheirOrder) {
    f.show();
    f.slotButton3.click();
    EXPECT_TRUE(takesInputMethod(*widget(f.titleBox)));
    f.setTaskPassword.click();
    auto* oldPassword = static_cast<QLineEdit*>(view.widget(f.oldPassword));
    EXPECT_EQ(oldPassword->echoMode(), QLineEdit::Password);
    EXPECT_EQ(oldPassword->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter), '*');
    EXPECT_FALSE(takesInputMethod(*oldPassword)) << "an input method would compose the password";
    // Characters as the model counts them (two UTF-16 units each here): none goes
    // between the two halves of one, and a seventeenth is refused wherever typed.
    auto* newPassword = static_cast<QLineEdit*>(view.widget(f.newPassword));
    const QString wide = QString::fromUtf8("\U00020000");
    const auto typeWide = [&] {
        QTest::sendKeyEvent(QTest::Click, newPassword, Qt::Key_unknown, wide, Qt::NoModifier);
    };
    typeWide();
    newPassword->setCursorPosition(1);
    QTest::keyClicks(newPassword, "a");
    newPassword->end(false);
    for (int typed = 1; typed < 17; ++typed) typeWide();
    newPassword->setCursorPosition(4);
    QTest::keyClicks(newPassword, "a");
    EXPECT_EQ(newPassword->text(), wide.repeated(16));
    EXPECT_EQ(f.newPassword.text(), wide.repeated(16).toStdString());
    QString pasted = "a" + wide + wide;  // into a box that holds two
    int cursor = 5;
    EXPECT_EQ(qtview::CharacterLimit(2, nullptr).validate(pasted, cursor), QValidator::Acceptable);
    EXPECT_EQ(pasted, "a" + wide) << "what is over goes whole";
    auto nextTabStop = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while ((w->focusPolicy() & Qt::TabFocus) == 0);
        return w;
    };
    EXPECT_EQ(nextTabStop(oldPassword), view.widget(f.newPassword));
    EXPECT_EQ(nextTabStop(view.widget(f.newPassword)), view.widget(f.newPasswordAgain));
    EXPECT_EQ(nextTabStop(view.widget(f.newPasswordAgain)), view.widget(f.confirmPassword));
}

TEST_F(QtTest, RealClicksAndTypingReachTheModel) {
    f.show();
    QTest::mouseClick(view.widget(f.slotButton2), Qt::LeftButton);
    EXPECT_EQ(f.titleBox.text(), "任务2") << "slot 2's panel";
    auto* content = static_cast<QLineEdit*>(view.widget(f.contentBox));
    content->setFocus();
    QTest::keyClicks(content, "abc");
    EXPECT_EQ(f.contentBox.text(), "abc");
    auto* hours = static_cast<QComboBox*>(view.widget(f.clockHour));
    EXPECT_EQ(hours->currentIndex(), -1);
    QTest::mouseMove(view.widget(f.taskInfo));
    QTest::mouseMove(view.widget(f.taskInfo), QPoint(5, 5));
    EXPECT_EQ(f.hintLine.caption(), "查看任务信息");
    QTest::mouseClick(view.widget(f.afterDuration), Qt::LeftButton);
    EXPECT_FALSE(static_cast<QAbstractButton*>(view.widget(f.atClockTime))->isChecked());
    EXPECT_TRUE(view.widget(f.durationHours)->isEnabled());
}

TEST_F(QtTest, WindowMinimisedByTheUserComesBackWhenTheProgramAsks) {
    f.show();
    view.window().setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(f.windowState(), tk::WindowState::Minimized);
    QWidget otherProgram;
    otherProgram.show();
    otherProgram.activateWindow();
    ASSERT_TRUE(waitFor([&] { return otherProgram.isActiveWindow(); }, 2000));
    f.setWindowState(tk::WindowState::Normal);  // as a reminder does
    EXPECT_FALSE(view.window().isMinimized());
    EXPECT_TRUE(waitFor([&] { return view.window().isActiveWindow(); }, 2000)) << "and active";
    f.setWindowState(tk::WindowState::Minimized);
    EXPECT_TRUE(view.window().isMinimized());
}

// Exactly one button is drawn as the default: the model's, as it changes.
TEST_F(QtTest, EnterInThePasswordBoxPressesTheDefaultButton) {
    f.show();
    const auto defaults = [this] {
        std::vector<QWidget*> found;
        for (QPushButton* button : view.window().findChildren<QPushButton*>()) {
            if (button->isDefault()) found.push_back(button);
        }
        return found;
    };
    EXPECT_EQ(defaults(), std::vector{widget(f.startTask)});
    f.slotButton3.click();
    f.setTaskPassword.click();
    EXPECT_EQ(defaults(), std::vector{widget(f.confirmPassword)});
    f.newPassword.edit("pw");
    f.newPasswordAgain.edit("pw");
    f.confirmPassword.click();
    EXPECT_EQ(defaults(), std::vector{widget(f.startTask)});
    f.cancelTask.click();
    ASSERT_TRUE(view.widget(f.cancelPanel)->isVisible());
    QWidget* box = view.widget(f.cancelPassword);
    box->setFocus();
    QTest::keyClicks(box, "pw");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(view.widget(f.cancelPanel)->isVisible());
    EXPECT_FALSE(view.widget(f.taskPanel)->isVisible()) << "the right password cancelled the slot";
    EXPECT_NE(f.logBox.text().find("->任务3取消"), std::string::npos);
}

TEST_F(QtTest, BoxesAndListsAreNamedByTheLabelBesideThemOrTheirDescription) {
    EXPECT_EQ(view.widget(f.titleBox)->accessibleName(), "标题：");
    EXPECT_EQ(view.widget(f.contentBox)->accessibleName(), "提醒内容：");
    EXPECT_EQ(view.widget(f.clockHour)->accessibleName(), "指定时间的时");
    EXPECT_EQ(view.widget(f.durationSeconds)->accessibleName(), "经过时间的秒数");
    EXPECT_EQ(view.widget(f.oldPassword)->accessibleName(), "原密码：");
    EXPECT_EQ(view.widget(f.oldExitPassword)->accessibleName(), "原密码：");
    EXPECT_EQ(view.widget(f.backColourList)->accessibleName(), "背景颜色");
    EXPECT_EQ(view.widget(f.textColourList)->accessibleName(), "字体景色");
    EXPECT_EQ(view.widget(f.logBox)->accessibleName(), "活动记录");
    EXPECT_EQ(static_cast<QLabel*>(view.widget(f.titleCaption))->buddy(), view.widget(f.titleBox));
    EXPECT_EQ(static_cast<QLabel*>(view.widget(f.clockSecondUnit))->buddy(), nullptr)
        << "a screen reader would call the list by its label 钞";
}

TEST_F(QtTest, EveryCharacterOfTheInterfaceHasAGlyphInItsFont) {
    for (const auto& control : f.controls()) {
        QString text = QString::fromStdString(control->caption());
        if (control->kind() == tk::Kind::TextBox) {
            text += QString::fromStdString(static_cast<tk::TextBox&>(*control).text());
        }
        const QRawFont font = QRawFont::fromFont(qtview::toQFont(control->font()));
        for (const QChar ch : text) {
            if (ch.isSpace()) continue;
            EXPECT_TRUE(font.supportsCharacter(ch))
                << control->name() << ": " << QString(ch).toStdString() << " in "
                << font.familyName().toStdString();
        }
    }
    EXPECT_NE(qtview::installedFamilyFor("楷体_GB2312"), qtview::installedFamilyFor(""))
        << "the title's brush script has a stand-in of its own";
}

TEST_F(QtTest, RealTimerTicksWhileAMessageBoxIsOpen) {
    ProbeForm probe(program);
    const qtview::FormView probeView(probe);
    probe.Tick.setInterval(50);
    int ticksInBox = -1;
    whileOpen = [&] {
        const int before = probe.ticks;
        waitFor([&] { return probe.ticks >= before + 3; }, 2000);
        ticksInBox = probe.ticks - before;
    };
    program.messageBox("等一下", tk::Buttons::Ok, "");
    EXPECT_GE(ticksInBox, 3);
    ASSERT_EQ(shownTexts.size(), 1u);
    EXPECT_EQ(shownTexts[0], "等一下");
}

TEST_F(QtTest, ReminderIsDeliveredByTheRealClockOnItsSecond) {
    f.show();
    const std::string due = tk::clockTextAt(services.clock.now().local.secondsOfDay + 2);
    f.slotButton1.click();
    f.contentBox.setText("真的提醒");
    f.clockHour.setListIndex(std::stoi(due.substr(0, 2)));
    f.clockMinute.setListIndex(std::stoi(due.substr(3, 2)));
    f.clockSecond.setListIndex(std::stoi(due.substr(6, 2)));
    f.startTask.click();
    ASSERT_TRUE(app.tasks().isRunning(1));
    std::string clockAtBox;
    whileOpen = [&] { clockAtBox = program.clockText(); };
    ASSERT_TRUE(waitFor([&] { return !app.tasks().isRunning(1); }, 5000));
    EXPECT_EQ(f.logBox.text().find("原定时间"), std::string::npos) << clockAtBox << " for " << due;
    EXPECT_NE(f.logBox.text().find("提醒内容：真的提醒"), std::string::npos);
    EXPECT_EQ(f.slotButton1.caption(), "任务1(等待)");
}

TEST_F(QtTest, ChosenColoursReachTheScreen) {
    f.show();
    QTest::mouseClick(widget(f.openSettings), Qt::LeftButton);
    QTest::mouseClick(widget(f.logBackColour), Qt::LeftButton);
    QTest::mouseClick(widget(f.logTextColour), Qt::LeftButton);
    f.backColourList.choose(2);  // 蓝
    f.textColourList.choose(4);  // 红
    QApplication::processEvents();
    const auto pixelAt = [](QWidget* w, QPoint at) { return w->grab().toImage().pixelColor(at); };
    auto* log = static_cast<QPlainTextEdit*>(widget(f.logBox));
    EXPECT_EQ(
        pixelAt(log->viewport(), {log->viewport()->width() - 5, log->viewport()->height() - 5}),
        QColor(0, 0, 255));
    ASSERT_FALSE(log->isEnabled()) << "the settings panel holds the working area";
    EXPECT_GT(pixelsOf(log->viewport(), QColor(255, 0, 0)), 10) << "the chosen text, at once";
    QWidget* backList = widget(f.backColourList);
    EXPECT_GT(pixelsOf(backList, QColor(0, 0, 255)), backList->width() * backList->height() / 8)
        << "the list's field is blue";
    EXPECT_EQ(widget(f.textColourList)->palette().color(QPalette::Active, QPalette::ButtonText),
              QColor(255, 0, 0));

    f.blinkTimer.setInterval(330);  // a reminder's blinking, over the chosen colours
    const QColor before = log->palette().color(QPalette::Active, QPalette::Text);
    ASSERT_TRUE(waitFor(
        [&] { return log->palette().color(QPalette::Active, QPalette::Text) != before; }, 2000));
    EXPECT_GT(pixelsOf(log->viewport(), log->palette().color(QPalette::Active, QPalette::Text)), 10)
        << "the blink's colours too";
    QTest::mouseClick(widget(f.closeSettings), Qt::LeftButton);
    QTest::mouseClick(log->viewport(), Qt::LeftButton);
    EXPECT_EQ(f.blinkTimer.interval(), 0);
    EXPECT_EQ(log->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
}

// The heading grows with the clock put after it, and draws all of it.
TEST_F(QtTest, TheHeadingGrowsToItsTextAndDrawsItAll) {
    f.show();
    auto* heading = qobject_cast<QLabel*>(widget(f.heading));
    ASSERT_NE(heading, nullptr);
    const int narrow = heading->width();
    f.heading.setCaption("钟约系统12:34:56");
    const int needed = QFontMetrics(heading->font()).horizontalAdvance(heading->text());
    EXPECT_GT(heading->width(), narrow);
    EXPECT_GE(heading->width(), needed);
    EXPECT_LE(heading->width(), needed + 4);

    const QImage shot = heading->grab().toImage();
    const auto inkInColumns = [&shot](int from, int to) {
        int ink = 0;
        for (int x = from; x < to; ++x) {
            for (int y = 0; y < shot.height(); ++y) ink += qGray(shot.pixel(x, y)) < 96;
        }
        return ink;
    };
    const int tenth = shot.width() / 10;
    EXPECT_GT(inkInColumns(0, tenth), 0) << "the first character is drawn";
    EXPECT_GT(inkInColumns(shot.width() - tenth, shot.width()), 0) << "so is the last";
}

// The splash draws its dialog border itself, around a client area of the
// designed size, whatever the window manager draws.
TEST_F(QtTest, TheSplashDrawsARaisedBorderAroundItsClientArea) {
    qtview::FormView& splash = views.of(app.splashForm());
    QWidget* backdrop = splash.widget(app.splashForm().backdrop);
    ASSERT_NE(backdrop, nullptr);
    const QWidget* client = backdrop->parentWidget();
    ASSERT_NE(client, &splash.window());
    EXPECT_EQ(client->size(), QSize(px(7110), px(3870)));
    const int border = client->x();
    EXPECT_GT(border, 0);
    EXPECT_EQ(client->y(), border);
    EXPECT_EQ(splash.window().size(), client->size() + QSize(2 * border, 2 * border));

    const QImage shot = splash.window().grab().toImage();
    const int right = shot.width() - 1;
    const int bottom = shot.height() - 1;
    EXPECT_EQ(shot.pixelColor(border / 2, shot.height() / 2), QColor(255, 255, 255));
    EXPECT_EQ(shot.pixelColor(right - border / 2, shot.height() / 2), QColor(128, 128, 128));
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, bottom), QColor(0, 0, 0));
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, border - 1), QColor(192, 192, 192));
    EXPECT_EQ(shot.pixelColor(border, shot.height() - border - 1), QColor(0, 0, 0))
        << "the black backdrop starts inside the border";
}

// Windows puts a window it has just made, before the program has shown it,
// where it likes (the middle of the screen for Qt's default size), and tells
// the window it moved: shown, the splash is centred all the same.
TEST_F(QtTest, TheSplashComesCentredWhereverTheSystemPutItBeforeItsShow) {
    QWidget& splash = views.of(app.splashForm()).window();
    splash.move(7, 9);
    QMoveEvent moved(splash.pos(), QPoint());
    QApplication::sendEvent(&splash, &moved);
    app.splashForm().show();
    const QPoint off =
        splash.frameGeometry().center() - splash.screen()->availableGeometry().center();
    EXPECT_LE(off.manhattanLength(), 2) << "off the centre by " << off.x() << ", " << off.y();
}

// A widget's text as Qt's label, the style's buttons and frames draw it: in
// which room, with which flags of QPainter::drawText, cut off beyond the room.
struct DrawnText {
    QRect room;
    int flags = 0;
    QString text;
};
DrawnText drawnText(QWidget& w) {
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        return {label->contentsRect(), int(label->alignment()) | wrap, label->text()};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(&w)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return {frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                               QStyle::SC_GroupBoxLabel, frame),
                int(frame->alignment()), frame->title()};
    }
    auto* button = qobject_cast<QAbstractButton*>(&w);
    if (button == nullptr) return {};
    QStyleOptionButton option;
    option.initFrom(button);
    const bool push = qobject_cast<QPushButton*>(button) != nullptr;
    const QStyle::SubElement contents = push ? QStyle::SE_PushButtonContents
                                        : qobject_cast<QCheckBox*>(button) != nullptr
                                            ? QStyle::SE_CheckBoxContents
                                            : QStyle::SE_RadioButtonContents;
    return {w.style()->subElementRect(contents, &option, &w),
            push ? int(Qt::AlignCenter) : Qt::AlignLeft | Qt::AlignVCenter, button->text()};
}

// The pixels of a widget's text that are not seen: the text drawn whole, at
// the widget's pixel ratio, against what of its room the window shows. A
// pixel counts from a quarter inked: the faintest edge of a stroke is no text.
int unseenInk(QWidget& w, const DrawnText& drawn, const QRegion& shown) {
    const QPoint margin(40, 40);
    const qreal ratio = w.devicePixelRatioF();
    const QSize size = (w.size() + QSize(80, 80)) * ratio;
    QImage ink(size, QImage::Format_ARGB32_Premultiplied);
    QImage seen(size, QImage::Format_ARGB32_Premultiplied);
    for (QImage* image : {&ink, &seen}) {
        image->setDevicePixelRatio(ratio);
        image->fill(Qt::transparent);
    }
    QPainter text(&ink);
    text.setFont(w.font());
    text.drawText(drawn.room.translated(margin),
                  drawn.flags | Qt::TextShowMnemonic | Qt::TextDontClip, drawn.text);
    QPainter room(&seen);
    for (const QRect& r : shown.intersected(drawn.room))
        room.fillRect(r.translated(margin), Qt::black);
    int unseen = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            unseen += qAlpha(ink.pixel(x, y)) >= 64 && qAlpha(seen.pixel(x, y)) == 0;
        }
    }
    return unseen;
}

// Every label and caption shows its whole text in the font it is drawn with,
// inside what its window shows of it: the splash, the main window with each
// panel open, the game. A control not shown is measured in its own box.
TEST_F(QtTest, EveryLabelAndCaptionShowsItsWholeText) {
    const auto expectWhole = [](QWidget& window, const char* state) {
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const DrawnText drawn = drawnText(*w);
            if (drawn.text.isEmpty()) continue;
            const QRegion shown = w->isVisible() ? w->visibleRegion() : QRegion(w->rect());
            EXPECT_EQ(unseenInk(*w, drawn, shown), 0)
                << state << ", " << w->objectName().toStdString() << ": "
                << drawn.text.toStdString() << " in " << w->font().family().toStdString() << " "
                << w->font().pointSizeF() << " pt";
        }
    };
    app.splashForm().show();
    QWidget& splash = views.of(app.splashForm()).window();
    expectWhole(splash, "the splash");
    // On two screens (two_screens.json) the splash, moved to one at 175 % and
    // back, has its texts fitted again for each (the platform's line smaller
    // there): whole there, as before here.
    if (const QList<QScreen*> screens = QGuiApplication::screens(); screens.size() > 1) {
        const QWidget* platform = splash.findChild<QWidget*>("lblPlatform");
        const QFont fittedHere = platform->font();
        for (QScreen* screen : {screens[1], screens[0]}) {
            splash.move(screen->availableGeometry().topLeft() + QPoint(20, 20));
            ASSERT_EQ(splash.screen(), screen);
            expectWhole(splash, "the splash moved to another screen");
        }
        EXPECT_EQ(platform->font(), fittedHere);
    }
    f.show();
    f.openSettings.click();
    f.exitPasswordOn.click();
    expectWhole(view.window(), "the settings panel");
    f.openGame.click();
    expectWhole(views.of(app.gameForm()).window(), "the game");
    app.gameForm().leave.click();
    f.slotButton1.click();
    f.setTaskPassword.click();
    expectWhole(view.window(), "the task and password panels");
    // Yet no smaller than need be: a text that fits keeps its design size.
    EXPECT_EQ(widget(f.titleCaption)->font().pointSizeF(),
              qtview::toQFont(f.titleCaption.font()).pointSizeF());
}

TEST_F(QtTest, TheGameWindowPlaysWithRealClicksAndClosesBackToTheMainWindow) {
    f.show();
    QTest::mouseClick(widget(f.openSettings), Qt::LeftButton);
    QTest::mouseClick(widget(f.openGame), Qt::LeftButton);
    qtview::FormView& game = views.of(app.gameForm());
    ASSERT_TRUE(game.window().isVisible());
    EXPECT_TRUE(view.window().isMinimized());
    EXPECT_EQ(game.window().size(), QSize(px(3735), px(6045)));
    QWidget* centre = game.widget(app.gameForm().cell(5));
    EXPECT_EQ(centre->cursor().shape(), Qt::WhatsThisCursor);
    QTest::mouseClick(game.widget(app.gameForm().digit(5)), Qt::LeftButton);
    EXPECT_FALSE(game.widget(app.gameForm().digit(5))->isVisible());
    QTest::mouseClick(centre, Qt::LeftButton);
    EXPECT_EQ(static_cast<QLineEdit*>(centre)->text(), "5");
    EXPECT_EQ(centre->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_TRUE(static_cast<QLineEdit*>(centre)->isReadOnly());
    ASSERT_FALSE(centre->isEnabled());
    EXPECT_EQ(centre->palette().color(QPalette::Disabled, QPalette::Text), QColor(128, 128, 128))
        << "a filled cell is disabled, and greyed like every disabled control";

    game.window().close();
    EXPECT_FALSE(game.window().isVisible());
    EXPECT_FALSE(view.window().isMinimized());
    EXPECT_FALSE(program.ended());
}

TEST_F(QtTest, TheLogShowsExactlyTheModelsTextAfterTenThousandEntries) {
    f.show();
    std::string expected = f.logBox.text();
    ActivityLog activityLog(f.logBox);
    for (int i = 0; i < 10'000; ++i) {
        const std::string entry =
            "12:00:00->任务" + std::to_string(i % 4 + 1) + "开始#" + std::to_string(i);
        activityLog.write(entry);
        expected.insert(0, ActivityLog::logSeparator + entry);
    }
    EXPECT_EQ(f.logBox.text(), expected);
    auto* log = static_cast<QPlainTextEdit*>(widget(f.logBox));
    EXPECT_EQ(log->toPlainText(), qtview::shownLines(expected));
    QScrollBar& bar = *log->verticalScrollBar();
    bar.setValue(bar.maximum());  // a person reading the oldest entries
    activityLog.write("12:00:01->任务1开始");
    EXPECT_EQ(bar.value(), 0) << "the new entry comes into view, on top";

    f.logBox.setText("换了");  // not in front of what is shown: the whole text again
    EXPECT_EQ(log->toPlainText(), "换了");
}

// The blinking log is drawn from pictures of its two looks: each phase must
// still show exactly the colours the model asks for.
TEST_F(QtTest, TheBlinkingLogShowsTheModelsColoursInEveryPhase) {
    f.show();
    auto* log = static_cast<QPlainTextEdit*>(widget(f.logBox));
    const auto pixelsOf = [log](QColor colour) { return ::pixelsOf(log->viewport(), colour); };
    const QColor black(0, 0, 0), white(255, 255, 255), red(255, 0, 0);
    f.logBox.setBackColor(look::kBlack);
    for (int phase = 0; phase < 5; ++phase) {
        const bool whitePhase = phase % 2 == 0;
        f.logBox.setForeColor(whitePhase ? look::kWhite : look::kRed);
        SCOPED_TRACE(phase);
        EXPECT_GT(pixelsOf(black), 1000);
        EXPECT_GT(pixelsOf(whitePhase ? white : red), 10);
        EXPECT_EQ(pixelsOf(whitePhase ? red : white), 0);
    }
    // As after a reminder the log holds the focus, and shows its caret, which
    // Qt draws by inverting what lies under it: white on black.
    view.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view.window()));
    f.logBox.setFocus();
    f.logBox.setForeColor(look::kRed);
    EXPECT_GT(pixelsOf(white), 0) << "the caret";
    log->clearFocus();
    QTest::mouseClick(log->viewport(), Qt::LeftButton);
    EXPECT_GT(pixelsOf(QColor(255, 192, 128)), 1000) << "the default light orange is back";
    EXPECT_EQ(pixelsOf(red), 0);
    EXPECT_EQ(pixelsOf(white), 0);
}

TEST(Language, QtsOwnWordsAreChineseToo) {
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), "复制(&C)");
}

TEST(DisplayCheck, QtGetsNoCommandLineButThePlatform) {
    const char* given[] = {"zhongyue", "-reverse", "-platform", "offscreen", "-style", "windows"};
    EXPECT_EQ(qtview::qtArguments(6, const_cast<char**>(given)),
              (std::vector<std::string>{"zhongyue", "-platform", "offscreen"}));
    EXPECT_EQ(qtview::qtArguments(2, const_cast<char**>(given)),
              (std::vector<std::string>{"zhongyue"}));
}

}  // namespace

int main(int argc, char** argv) {
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qtview::setUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
