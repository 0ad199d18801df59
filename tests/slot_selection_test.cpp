#include "app_fixture.h"

namespace {

class SlotSelectionTest : public AppTest {
protected:
    SlotSelectionTest() { startAt(10, 0, 0, 400); }
};

TEST_F(SlotSelectionTest, WaitingSlotOpensAFreshEditorWhateverWasShownBefore) {
    ASSERT_TRUE(User::click(f.Command1));
    ASSERT_TRUE(User::retype(f.Text2, "旧标题"));
    ASSERT_TRUE(User::type(f.Text3, "旧内容"));
    ASSERT_TRUE(User::click(f.Option2));
    pick(f.Combo4, f.Combo5, f.Combo6, "01:02:03");
    ASSERT_TRUE(User::click(f.Command6));  // a waiting slot: just closes
    ASSERT_FALSE(f.Frame2.visible());

    ASSERT_TRUE(User::click(f.Command2));
    EXPECT_EQ(app.tasks.currentSlot(), 2);
    EXPECT_EQ(f.Text2.text(), "任务2");
    EXPECT_EQ(f.Text3.text(), "");
    EXPECT_TRUE(f.Option1.value());
    EXPECT_FALSE(f.Option2.value());
    EXPECT_EQ(app.tasks.scheduleMode(), 1);
    for (tk::ComboBox* combo : {&f.Combo1, &f.Combo2, &f.Combo3}) {
        EXPECT_TRUE(User::canReach(*combo));
        EXPECT_EQ(combo->backColor(), 0x80000005u);
    }
    for (tk::ComboBox* combo : {&f.Combo4, &f.Combo5, &f.Combo6}) {
        EXPECT_FALSE(User::canReach(*combo));
        EXPECT_EQ(combo->backColor(), 0x8000000Au);
    }
    EXPECT_EQ(f.Combo4.text() + f.Combo5.text() + f.Combo6.text(), "010203")
        << "the lists keep their selections";
    EXPECT_TRUE(User::canReach(f.Command5));
    EXPECT_FALSE(f.Command18.visible());
    EXPECT_TRUE(User::canReach(f.Command6));
}

TEST_F(SlotSelectionTest, RunningSlotIsShownReadOnlyWithContinueInPlaceOfStart) {
    startTask(3, "11:00:00", {.title = "周会", .content = "带电脑"});

    ASSERT_TRUE(User::click(f.Command3));
    EXPECT_EQ(f.Text2.text(), "周会");
    EXPECT_EQ(f.Text3.text(), "带电脑");
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &f.Text2, &f.Text3, &f.Option1, &f.Option2, &f.Combo1, &f.Combo2, &f.Combo3, &f.Combo4,
             &f.Combo5, &f.Combo6, &f.Command5}) {
        EXPECT_FALSE(User::canReach(*c)) << c->name();
    }
    EXPECT_EQ(f.Combo1.text(), "11") << "the lists are not set from the slot";
    EXPECT_TRUE(User::canReach(f.Command18));
    EXPECT_TRUE(User::canReach(f.Command6));
}

TEST_F(SlotSelectionTest, OpenPanelLocksTheSlotButtonsAndGrowsTheLayoutUntilClosed) {
    ASSERT_TRUE(User::click(f.Command4));
    EXPECT_EQ(f.height(), 4110 + 2160);
    EXPECT_EQ(f.Frame1.height(), 2895);
    EXPECT_EQ(f.Frame3.top(), 1120 + 2160);
    EXPECT_TRUE(f.Frame2.visible());
    for (tk::CommandButton* b : {&f.Command1, &f.Command2, &f.Command3, &f.Command4}) {
        EXPECT_FALSE(User::click(*b)) << b->name();
    }
    EXPECT_FALSE(User::canReach(f.Command12)) << "the working area is disabled";
    EXPECT_EQ(app.tasks.currentSlot(), 4);
}

}  // namespace
