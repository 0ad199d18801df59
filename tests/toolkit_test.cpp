// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "toolkit/form.h"
#include "toolkit/testing/test_services.h"
#include "toolkit/testing/user.h"

using tk::testing::User;

namespace {

class TestForm : public tk::Form {
public:
    explicit TestForm(tk::Program& p) : tk::Form(p, "Test", {.width = 3000, .height = 2000}) {}

    // clang-format off
    tk::Frame& Outer = add<tk::Frame>("Outer", {.at = {0, 0, 2000, 1000}});
    tk::CommandButton& Inner = add<tk::CommandButton>("Inner", Outer, {.at = {100, 100, 500, 300}});
    tk::CommandButton& Clipped = add<tk::CommandButton>("Clipped", Outer, {.at = {100, 1200, 500, 300}});
    tk::OptionButton& OptionA = add<tk::OptionButton>("OptionA", Outer, {.at = {100, 500, 500, 200}, .value = 1});
    tk::OptionButton& OptionB = add<tk::OptionButton>("OptionB", Outer, {.at = {700, 500, 500, 200}});
    tk::OptionButton& OptionC = add<tk::OptionButton>("OptionC", {.at = {2100, 100, 500, 200}, .value = 1});
    tk::CheckBox& Check = add<tk::CheckBox>("Check", {.at = {2100, 400, 500, 200}});
    tk::ComboBox& Combo = add<tk::ComboBox>("Combo", {.at = {2100, 700, 500, 300}, .items = {"甲", "乙"}});
    tk::TextBox& Text = add<tk::TextBox>("Text", {.at = {100, 1100, 1000, 300}});
    tk::TextBox& Secret = add<tk::TextBox>("Secret", {.at = {100, 1500, 1000, 300}, .password = true, .maxLength = 4});
    tk::CommandButton& FarAway = add<tk::CommandButton>("FarAway", {.at = {4000, 100, 500, 300}});
    tk::Timer& Timer = addTimer("Timer");
    // clang-format on
};

class ToolkitTest : public ::testing::Test {
protected:
    ToolkitTest() { form.show(); }
    tk::testing::TestServices p;
    TestForm form{p.program};
};

TEST_F(ToolkitTest, UserReachesOnlyWhatIsShownEnabledAndOnScreen) {
    EXPECT_TRUE(User::canReach(form.Inner));

    form.Outer.setEnabled(false);
    EXPECT_FALSE(User::click(form.Inner)) << "a disabled frame disables what is inside it";
    form.Outer.setEnabled(true);
    form.Outer.setVisible(false);
    EXPECT_FALSE(User::click(form.Inner)) << "a hidden frame hides what is inside it";
    form.Outer.setVisible(true);

    EXPECT_FALSE(User::canReach(form.Clipped)) << "below the frame's height";
    form.Outer.setHeight(2000);
    EXPECT_TRUE(User::canReach(form.Clipped));

    EXPECT_FALSE(User::canReach(form.FarAway)) << "beyond the window's width";
    form.setWidth(5000);
    EXPECT_TRUE(User::canReach(form.FarAway));

    form.setWindowState(tk::WindowState::Minimized);
    EXPECT_FALSE(User::canReach(form.Inner));
    form.setWindowState(tk::WindowState::Normal);
    form.hide();
    EXPECT_FALSE(User::canReach(form.Inner));
}

TEST_F(ToolkitTest, ModalBoxBlocksThePersonButNotTheTimers) {
    int clicks = 0;
    int ticks = 0;
    form.Inner.onClick.bind([&] { ++clicks; });
    form.Timer.onTick.bind([&] { ++ticks; });
    form.Timer.setInterval(1000);
    bool clickedInBox = true;
    p.boxes.reply({tk::Answer::Ok, {}, [&] {
                       clickedInBox = form.Inner.click();
                       p.time.advance(1000);
                   }});
    EXPECT_EQ(p.program.messageBox("?", tk::Buttons::OkCancel, "t"), tk::Answer::Ok);
    EXPECT_FALSE(clickedInBox);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(form.Inner.click());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitTest, CheckBoxSetFromCodeRunsItsClickHandler) {
    int clicks = 0;
    form.Check.onClick.bind([&] { ++clicks; });
    form.Check.setValue(1);
    form.Check.setValue(1);
    EXPECT_EQ(clicks, 1) << "only a different value is a click";
    ASSERT_TRUE(User::click(form.Check));
    EXPECT_EQ(form.Check.value(), 0);
    form.Check.setValue(2);
    ASSERT_TRUE(User::click(form.Check));
    EXPECT_EQ(form.Check.value(), 0) << "a click on the grayed state unchecks";
    EXPECT_EQ(clicks, 4);
}

TEST_F(ToolkitTest, ChoosingAnOptionClearsOnlyTheOthersOfItsContainer) {
    int clicks = 0;
    form.OptionB.onClick.bind([&] { ++clicks; });
    ASSERT_TRUE(User::click(form.OptionB));
    EXPECT_FALSE(form.OptionA.value());
    EXPECT_TRUE(form.OptionB.value());
    EXPECT_TRUE(form.OptionC.value());
    form.OptionA.setValue(true);
    EXPECT_FALSE(form.OptionB.value());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitTest, DropDownListStartsWithNoSelectionAndOnlyTakesItsItems) {
    int clicks = 0;
    form.Combo.onClick.bind([&] { ++clicks; });
    EXPECT_EQ(form.Combo.listIndex(), -1);
    EXPECT_EQ(form.Combo.text(), "");
    EXPECT_FALSE(User::choose(form.Combo, "丙"));
    ASSERT_TRUE(User::choose(form.Combo, "乙"));
    EXPECT_EQ(form.Combo.text(), "乙");
    ASSERT_TRUE(User::choose(form.Combo, "乙"));
    EXPECT_EQ(clicks, 2) << "picking the same item again is a click too";
    form.Combo.setListIndex(-1);
    EXPECT_EQ(form.Combo.text(), "");
}

TEST_F(ToolkitTest, TextChangeHandlerRunsOnEveryChangeByTypingOrCode) {
    std::vector<std::string> seen;
    form.Text.onChange.bind([&] { seen.push_back(form.Text.text()); });
    ASSERT_TRUE(User::type(form.Text, "a"));
    ASSERT_TRUE(User::type(form.Text, "b"));
    form.Text.setText("ab");
    form.Text.setText("");
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "ab", ""}));
}

TEST_F(ToolkitTest, PasswordBoxKeepsAtMostItsLengthInCharacters) {
    ASSERT_TRUE(User::type(form.Secret, "密码ab"));
    ASSERT_TRUE(User::type(form.Secret, "c"));
    EXPECT_EQ(form.Secret.text(), "密码ab");
}

TEST_F(ToolkitTest, TimerTicksEveryIntervalUntilSetToZero) {
    int ticks = 0;
    form.Timer.onTick.bind([&] { ++ticks; });
    form.Timer.setInterval(1000);
    p.time.advance(3500);
    EXPECT_EQ(ticks, 3);
    form.Timer.setInterval(0);
    p.time.advance(5000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(ToolkitTest, TicksArriveWhileABoxIsOpenAlsoForTheWaitingHandler) {
    int ticks = 0;
    int depth = 0;
    int deepest = 0;
    form.Timer.onTick.bind([&] {
        ++ticks;
        ++depth;
        deepest = std::max(deepest, depth);
        if (ticks == 1) {
            p.boxes.reply({tk::Answer::Ok, {}, [&] { p.time.advance(2500); }});
            p.program.messageBox("in a box", tk::Buttons::Ok, "");
        }
        --depth;
    });
    form.Timer.setInterval(1000);
    p.time.advance(1000);
    EXPECT_EQ(ticks, 3) << "two ticks came while the first tick's box was open";
    EXPECT_EQ(deepest, 2);
    EXPECT_EQ(p.time.elapsedMs(), 3500);
}

TEST_F(ToolkitTest, EndingStopsTimersClosesWindowsAndSilencesEverything) {
    int handlers = 0;
    form.Timer.onTick.bind([&] { ++handlers; });
    form.Inner.onClick.bind([&] { ++handlers; });
    form.Timer.setInterval(1000);
    p.program.end();
    p.program.end();
    EXPECT_EQ(p.lifetime.ends, 1);
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.Timer.interval(), 0);
    p.time.advance(5000);
    form.Inner.click();
    form.Timer.setInterval(1000);
    EXPECT_EQ(form.Timer.interval(), 0);
    EXPECT_EQ(p.program.messageBox("late", tk::Buttons::Ok, ""), tk::Answer::Cancel);
    EXPECT_EQ(p.program.inputBox("late", "", "x"), "");
    EXPECT_TRUE(p.boxes.shown().empty());
    EXPECT_EQ(handlers, 0);
    form.show();
    EXPECT_FALSE(form.visible());
}

TEST_F(ToolkitTest, FirstShowRunsTheLoadHandlerOnceBeforeTheWindowIsShown) {
    TestForm other(p.program);
    int loads = 0;
    other.onLoad.bind([&] {
        ++loads;
        EXPECT_FALSE(other.visible());
    });
    other.show();
    other.hide();
    other.show();
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(other.visible());
}

TEST_F(ToolkitTest, EnterPressesTheDefaultButtonOnlyWhenItCanBePressed) {
    int clicks = 0;
    form.Inner.onClick.bind([&] { ++clicks; });
    form.setDefaultButton(form.Inner);
    EXPECT_TRUE(User::pressEnter(form));
    form.Inner.setEnabled(false);
    EXPECT_FALSE(User::pressEnter(form)) << "disabled";
    form.Inner.setEnabled(true);
    form.Inner.setVisible(false);
    EXPECT_FALSE(User::pressEnter(form)) << "hidden";
    form.Inner.setVisible(true);
    form.Outer.setEnabled(false);
    EXPECT_FALSE(User::pressEnter(form)) << "in a disabled frame";
    form.Outer.setEnabled(true);
    form.setDefaultButton(form.FarAway);
    EXPECT_FALSE(User::pressEnter(form)) << "out of view";
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitTest, NoRouteActsOnAControlThatCannotBeReached) {
    int events = 0;
    tk::Control* const all[] = {&form.Inner, &form.Check, &form.Combo, &form.OptionB, &form.Text};
    for (tk::Control* c : all) {
        c->onClick.bind([&] { ++events; });
        c->onMouseMove.bind([&] { ++events; });
    }
    form.Text.onChange.bind([&] { ++events; });
    auto everyRoute = [&] {
        return form.Inner.click() + form.Inner.mouseMove() + form.Check.click() +
               form.OptionB.click() + form.Combo.choose(1) + form.Text.edit("x") +
               form.Text.click() + form.Text.mouseMove();
    };
    form.Outer.setEnabled(false);
    form.Check.setEnabled(false);
    form.Combo.setVisible(false);
    form.Text.setLeft(3500);  // wholly right of the window
    EXPECT_EQ(everyRoute(), 0);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(form.Check.value(), 0);
    EXPECT_TRUE(form.OptionA.value());
    EXPECT_EQ(form.Combo.listIndex(), -1);
    EXPECT_EQ(form.Text.text(), "");

    form.Outer.setEnabled(true);
    form.Check.setEnabled(true);
    form.Combo.setVisible(true);
    form.Text.setLeft(2900);  // partly in view is in reach
    EXPECT_EQ(everyRoute(), 8);
    EXPECT_EQ(events, 8);
}

TEST_F(ToolkitTest, ALockedBoxTakesNoTextFromAPersonButFromCode) {
    tk::testing::TestServices other;
    class LockedForm : public tk::Form {
    public:
        using tk::Form::Form;
        tk::TextBox& Box = add<tk::TextBox>("Box", {.at = {0, 0, 500, 500}, .locked = true});
    } locked(other.program, "Locked", tk::FormDesign{.width = 1000, .height = 1000});
    locked.show();
    EXPECT_FALSE(locked.Box.edit("typed"));
    locked.Box.setText("written");
    EXPECT_EQ(locked.Box.text(), "written");
}

TEST_F(ToolkitTest, ASingleLineBoxKeepsPastedTextUpToItsFirstLineBreak) {
    const std::string forged = "会议\r\n" + std::string(54, '-') + "\r\n12:00:00->任务1取消";
    ASSERT_TRUE(User::retype(form.Text, forged));
    EXPECT_EQ(form.Text.text(), "会议");
    for (const char* lineBreak : {"\n", "\r", "\v", "\f", "\u0085", "\u2028", "\u2029"}) {
        ASSERT_TRUE(User::retype(form.Text, std::string("前") + lineBreak + "后"));
        EXPECT_EQ(form.Text.text(), "前") << "cut at " << static_cast<int>(lineBreak[0]);
    }
    ASSERT_TRUE(User::retype(form.Text,
                             "a\tb\x01"
                             "c\x7f\u0080d"));
    EXPECT_EQ(form.Text.text(), "abcd") << "no other control character";

    const std::string whole = "مرحبا 😀 𠀀𪚥 " + std::string(10'000, 'x');
    ASSERT_TRUE(User::retype(form.Text, whole));
    EXPECT_EQ(form.Text.text(), whole) << "right-to-left, emoji, supplementary planes, long text";
    ASSERT_TRUE(User::retype(form.Secret, "😀密\n码"));
    EXPECT_EQ(form.Secret.text(), "😀密");
}

TEST_F(ToolkitTest, AnEventTakesOneHandlerAndASecondBindingFailsLoudly) {
    form.Inner.onClick.bind([] {});
    try {
        form.Inner.onClick.bind([] {});
        FAIL() << "the second binding was taken";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Inner_Click has a handler already");
    }
    form.onLoad.bind([] {});
    EXPECT_THROW(form.onLoad.bind([] {}), std::logic_error);
}

}  // namespace
