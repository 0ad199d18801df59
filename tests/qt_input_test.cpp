// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every route by which a person acts on the real widgets (mouse, keys,
// assistive technology, a widget's own setter) reaches the model through its
// one check, once, and leaves the widget showing the model's value.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "qt_fixture.h"

namespace {

class QtInputTest : public QtTest {
protected:
    QtInputTest() {
        probe.show();
        QApplication::setActiveWindow(&probeView.window());
    }

    QWidget* at(const tk::Control& control) const { return probeView.widget(control); }
    template <class W>
    W& as(const tk::Control& control) const {
        return *static_cast<W*>(at(control));
    }
    static QAccessibleInterface* accessible(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget);
    }
    static void accessibleAction(QWidget* widget, const QString& action) {
        accessible(widget)->actionInterface()->doAction(action);
    }

    ProbeForm probe{program};
    qtview::FormView probeView{probe};
};

TEST_F(QtInputTest, AMouseEventActsOnlyForTheControlUnderThePointerAndOnlyOnce) {
    auto& log = as<QPlainTextEdit>(probe.Log);
    QTest::mouseClick(log.viewport(), Qt::LeftButton);
    EXPECT_EQ(probe.clicks["Log"], 1) << "not once from the viewport and again from the box";
    EXPECT_EQ(probe.clicks["Outer"], 0);

    QTest::mouseMove(at(probe.Inner), QPoint(5, 5));
    QTest::mouseMove(at(probe.Inner), QPoint(8, 8));
    EXPECT_GE(probe.moves["Inner"], 1);
    QTest::mouseMove(log.viewport(), QPoint(5, 5));
    QTest::mouseMove(log.viewport(), QPoint(9, 9));
    EXPECT_GE(probe.moves["Log"], 1);
    EXPECT_EQ(probe.moves["Outer"], 0) << "moves over a button or box never reach the frame";

    QTest::mouseClick(at(probe.Inner), Qt::LeftButton);
    QTest::mouseClick(at(probe.Line), Qt::LeftButton);
    EXPECT_EQ(probe.clicks["Inner"], 1);
    EXPECT_EQ(probe.clicks["Line"], 1);
    EXPECT_EQ(probe.clicks["Outer"], 0);
    QTest::mouseClick(at(probe.Outer), Qt::LeftButton, {},
                      QPoint(3, at(probe.Outer)->height() - 3));
    EXPECT_EQ(probe.clicks["Outer"], 1) << "the frame's own area is the frame's";
}

TEST_F(QtInputTest, DisabledAndHiddenControlsIgnoreEveryRoute) {
    probe.Outer.setEnabled(false);
    auto& log = as<QPlainTextEdit>(probe.Log);
    for (QWidget* target : {at(probe.Inner), at(probe.Line), log.viewport(), at(probe.Check)}) {
        QTest::mouseMove(target, QPoint(4, 4));
        QTest::mouseMove(target, QPoint(6, 6));
        QTest::mouseClick(target, Qt::LeftButton);
    }
    accessibleAction(at(probe.Check), QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(probe.clicks.empty());
    EXPECT_TRUE(probe.moves.empty());
    EXPECT_EQ(probe.Check.value(), 0);
    EXPECT_EQ(as<QCheckBox>(probe.Check).checkState(), Qt::Unchecked);

    probe.Outer.setEnabled(true);
    probe.Inner.setVisible(false);
    as<QPushButton>(probe.Inner).click();  // as a stale accessibility proxy would
    EXPECT_FALSE(probe.Inner.click());
    EXPECT_EQ(probe.clicks["Inner"], 0);
}

TEST_F(QtInputTest, OffViewControlsTakeNoFocusNoKeyAndNoPressUntilInView) {
    QWidget* farAway = at(probe.FarAway);
    EXPECT_EQ(farAway->focusPolicy(), Qt::NoFocus);
    as<QPushButton>(probe.FarAway).click();  // Space, or the press action
    accessibleAction(farAway, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(probe.clicks["FarAway"], 0);

    at(probe.Inner)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), at(probe.Inner));
    std::vector<QWidget*> visited;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(std::count(visited.begin(), visited.end(), farAway), 0);
    EXPECT_GT(std::count(visited.begin(), visited.end(), at(probe.Line)), 0)
        << "Tab does go round the controls in view";

    probe.setWidth(6500);
    EXPECT_NE(farAway->focusPolicy(), Qt::NoFocus);
    as<QPushButton>(probe.FarAway).click();
    EXPECT_EQ(probe.clicks["FarAway"], 1);

    farAway->setFocus();
    probe.setWidth(4000);
    EXPECT_FALSE(farAway->hasFocus()) << "a control that leaves the view gives up the focus";
}

TEST_F(QtInputTest, SpaceOrEnterOnTheFocusedLogIsItsClickAndGoesNoFurther) {
    probe.setDefaultButton(probe.Inner);
    probe.Log.setText("一\r\n二\r\n三");
    auto& log = as<QPlainTextEdit>(probe.Log);
    log.setFocus();
    QTest::keyClick(&log, Qt::Key_Down);
    QTest::keyClick(&log, Qt::Key_Escape);
    EXPECT_EQ(log.textCursor().blockNumber(), 1) << "the arrows move the caret";
    EXPECT_EQ(probe.clicks["Log"], 0);
    QTest::keyClick(&log, Qt::Key_Space);
    QTest::keyClick(&log, Qt::Key_Return);
    QTest::keyClick(&log, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(probe.clicks["Log"], 3);
    EXPECT_EQ(probe.clicks["Inner"], 0) << "not the default button as well";
    QTest::keyClick(at(probe.Line), Qt::Key_Return);
    EXPECT_EQ(probe.clicks["Inner"], 1) << "which Enter in a line box does press";

    // After a reminder: the blinking ends, the chosen colours come back.
    f.show();
    QApplication::setActiveWindow(&view.window());
    f.logBox.setBackColor(look::kBlack);
    f.blinkTimer.setInterval(330);
    widget(f.logBox)->setFocus();
    // Held down from the reminder's box, Enter repeats into the log, on X unflagged: no click.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
    enter.setTimestamp(1), release.setTimestamp(1);
    for (auto* key : {&release, &enter}) QApplication::sendEvent(widget(f.logBox), key);
    EXPECT_EQ(f.blinkTimer.interval(), 330);
#ifdef Q_OS_WIN
    // Flagged a repeat, as Wine flags the first Enter after the reminder's box.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    for (auto* key : {&release, &repeat, &release}) QApplication::sendEvent(widget(f.logBox), key);
#else
    QTest::keyClick(widget(f.logBox), Qt::Key_Return);
#endif
    EXPECT_EQ(f.blinkTimer.interval(), 0);
    EXPECT_EQ(f.logBox.backColor(), look::kLogOrange);
}

// The focus is a ring two pixels wide at the control's edge, on every kind
// of control, and nothing else wears it: the default button neither. It is
// black, or white on a dark control.
TEST_F(QtInputTest, TheFocusedControlIsRingedUnlikeTheDefaultButton) {
    probe.setDefaultButton(probe.Inner);
    const auto ringed = [](QWidget* w, QColor ring = Qt::black) {
        const QImage shot = w->grab().toImage();
        const int right = shot.width() - 1, bottom = shot.height() - 1;
        for (const QPoint at :
             {QPoint(0, bottom / 2), QPoint(1, bottom / 2), QPoint(right, bottom / 2),
              QPoint(right - 1, bottom / 2), QPoint(right / 2, 0), QPoint(right / 2, 1),
              QPoint(right / 2, bottom), QPoint(right / 2, bottom - 1)}) {
            if (shot.pixelColor(at) != ring) return false;
        }
        return true;
    };
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    for (const tk::Control* control : std::initializer_list<const tk::Control*>{
             &probe.Inner, &probe.Line, &probe.Log, &probe.Check, &probe.OptionA, &probe.Combo}) {
        QWidget* w = at(*control);
        EXPECT_FALSE(ringed(w)) << control->name() << " without the focus";
        w->setFocus();
        ASSERT_TRUE(w->hasFocus());
        EXPECT_TRUE(ringed(w)) << control->name();
    }
    // A check box's box and an option's circle lie inside the ring, not under it.
    for (QWidget* w : {at(probe.Check), at(probe.OptionA)})
        EXPECT_TRUE(ringed(w, w->palette().color(QPalette::Window)))
            << w->objectName().toStdString();
    probe.Log.setBackColor(look::kBlack);  // a reminder's alarm
    at(probe.Log)->setFocus();
    EXPECT_TRUE(ringed(at(probe.Log), Qt::white));
}

TEST_F(QtInputTest, TextFromAnyRouteReachesTheModelAndRefusedTextIsTakenBack) {
    auto& line = as<QLineEdit>(probe.Line);
    accessible(&line)->setText(QAccessible::Value, "会议");
    EXPECT_EQ(probe.Line.text(), "会议");
    accessible(&line)->editableTextInterface()->insertText(2, "室");
    EXPECT_EQ(probe.Line.text(), "会议室");
    line.setFocus();
    QTest::keyClicks(&line, "A");
    EXPECT_EQ(probe.Line.text(), "会议室A");

    probe.Line.setText("模型");
    EXPECT_EQ(line.text(), "模型");
    probe.Outer.setEnabled(false);
    accessible(&line)->setText(QAccessible::Value, "偷偷");
    EXPECT_EQ(probe.Line.text(), "模型");
    EXPECT_EQ(line.text(), "模型") << "the box shows the model's text again";

    auto& log = as<QPlainTextEdit>(probe.Log);
    probe.Log.setText("第一行\r\n第二行");
    log.setPlainText("改写");
    QApplication::processEvents();
    EXPECT_EQ(probe.Log.text(), "第一行\r\n第二行") << "a locked box takes no text";
    EXPECT_EQ(log.toPlainText(), "第一行\n第二行");
}

TEST_F(QtInputTest, TheModelsTextChangesAreNotEchoedBackAsEdits) {
    int changes = 0;
    probe.Line.onChange.bind([&] { ++changes; });
    probe.Line.setText("一");
    probe.Line.setText("二");
    EXPECT_EQ(changes, 2) << "one change handler run per change from code, none from the echo";
    EXPECT_EQ(as<QLineEdit>(probe.Line).text(), "二");
    probe.Line.setVisible(false);
    probe.Line.setText("三");
    probe.Line.setVisible(true);
    EXPECT_EQ(as<QLineEdit>(probe.Line).text(), "三") << "what changed while it was hidden";
}

TEST_F(QtInputTest, CheckBoxesAndOptionsShowTheModelsValueAfterEveryRoute) {
    auto& check = as<QCheckBox>(probe.Check);
    accessibleAction(&check, QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(probe.Check.value(), 1);
    EXPECT_EQ(probe.clicks["Check"], 1) << "the toggle of assistive technology is a click";
    EXPECT_EQ(check.checkState(), Qt::Checked);
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_EQ(probe.Check.value(), 0);
    EXPECT_EQ(check.checkState(), Qt::Unchecked);
    probe.Check.setValue(2);
    EXPECT_EQ(check.checkState(), Qt::PartiallyChecked) << "grey, not ticked";
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_EQ(probe.Check.value(), 0) << "a click on the grayed state unchecks";
    EXPECT_EQ(check.checkState(), Qt::Unchecked);

    auto& a = as<QRadioButton>(probe.OptionA);
    auto& b = as<QRadioButton>(probe.OptionB);
    QTest::mouseClick(&a, Qt::LeftButton);
    EXPECT_TRUE(probe.OptionA.value());
    EXPECT_TRUE(a.isChecked()) << "clicking the selected option leaves it selected";
    accessibleAction(&b, QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(probe.OptionB.value());
    EXPECT_FALSE(probe.OptionA.value());
    EXPECT_TRUE(b.isChecked());
    EXPECT_FALSE(a.isChecked());

    b.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &b);
    QTest::keyClick(&b, Qt::Key_Up);
    EXPECT_TRUE(probe.OptionA.value()) << "arrow keys move between the options";
    EXPECT_TRUE(a.isChecked());
    EXPECT_FALSE(b.isChecked());

    probe.OptionA.setValue(false);
    EXPECT_FALSE(a.isChecked()) << "the model may have no option selected";
    EXPECT_FALSE(b.isChecked());
    EXPECT_EQ(accessible(&a)->role(), QAccessible::RadioButton);
}

TEST_F(QtInputTest, AListThatCannotBeReachedKeepsTheModelsSelection) {
    auto& combo = as<QComboBox>(probe.Combo);
    probe.Combo.setListIndex(0);
    probe.clicks.clear();
    probe.Outer.setEnabled(false);
    combo.setCurrentIndex(1);
    emit combo.activated(1);  // what a pick would raise, had Qt let it through
    EXPECT_EQ(probe.Combo.listIndex(), 0);
    EXPECT_EQ(combo.currentIndex(), 0);
    probe.Outer.setEnabled(true);
    emit combo.activated(1);
    EXPECT_EQ(probe.Combo.listIndex(), 1);
    EXPECT_EQ(probe.clicks["Combo"], 1);
}

// As Qt's and GTK's lists: opened by an action, its popup list its child.
TEST_F(QtInputTest, AListOpensByItsActionsAndHoldsItsPopupWithTheItems) {
    auto& combo = as<QComboBox>(probe.Combo);
    QAccessibleInterface* list = accessible(&combo);
    QAccessibleActionInterface* actions = list->actionInterface();
    ASSERT_EQ(list->childCount(), 1);
    QAccessibleInterface* popup = list->child(0);
    EXPECT_EQ(popup->object(), static_cast<QObject*>(combo.view()));
    EXPECT_EQ(popup->parent(), list);
    EXPECT_EQ(list->indexOfChild(popup), 0);
    ASSERT_EQ(popup->childCount(), 2);
    EXPECT_EQ(popup->child(1)->text(QAccessible::Name), "二");

    for (const QString& action : {QAccessibleActionInterface::pressAction(),
                                  QAccessibleActionInterface::showMenuAction()}) {
        ASSERT_TRUE(actions->actionNames().contains(action));
        actions->doAction(action);
        EXPECT_TRUE(combo.view()->isVisible()) << action.toStdString();
        EXPECT_TRUE(list->state().expanded);
        actions->doAction(action);
        EXPECT_FALSE(combo.view()->isVisible()) << "the same action closes it";
    }
    probe.Outer.setEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(combo.view()->isVisible()) << "a list that cannot be used does not open";
}

TEST_F(QtInputTest, AssistiveTechnologyHearsWindowsPanelsAndRowsByTheirOwnNames) {
    EXPECT_EQ(accessible(&view.window())->role(), QAccessible::Window);
    EXPECT_EQ(accessible(&view.window())->text(QAccessible::Name), "青竹白鹭2");
    QWidget& splash = views.of(app.splashForm()).window();
    EXPECT_EQ(accessible(&splash)->role(), QAccessible::Window);
    EXPECT_EQ(accessible(&splash)->text(QAccessible::Name), "钟约系统");
    for (tk::Frame* panel : {&f.taskPanel, &f.passwordPanel, &f.cancelPanel, &f.workArea}) {
        EXPECT_EQ(accessible(widget(*panel))->text(QAccessible::Name).toStdString(),
                  panel->caption());
    }
    EXPECT_EQ(accessible(widget(f.logBox))->text(QAccessible::Name), "活动记录");
    EXPECT_EQ(accessible(widget(f.hintLine))->text(QAccessible::Description), "提示行");
    EXPECT_EQ(accessible(widget(f.clockHour))->text(QAccessible::Name), "指定时间的时")
        << "not its chosen item, as Qt names a list";
    EXPECT_EQ(accessible(widget(f.titleBox))->text(QAccessible::Description),
              "可以在此输入提醒任务的标题");
    EXPECT_EQ(accessible(widget(f.atClockTime))->role(), QAccessible::RadioButton);
}

TEST_F(QtInputTest, TheKeyboardKeepsItsPlaceWhenTheProgramDisablesTheFocus) {
    f.show();
    QApplication::setActiveWindow(&view.window());
    widget(f.quit)->setFocus();
    f.workArea.setEnabled(false);  // as opening a panel does
    QApplication::processEvents();
    const QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus->isEnabled());
    EXPECT_EQ(focus, widget(f.slotButton1)) << "on to the next control that can take it";

    widget(f.slotButton1)->setFocus();
    QTest::keyClick(widget(f.slotButton1), Qt::Key_Space);
    ASSERT_TRUE(f.taskPanel.visible());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), widget(f.titleBox)) << "on to the panel's first box";
}

// As Windows' UI Automation reads them: a hint as help text too, and the
// item a key chose as focused.
TEST_F(QtInputTest, AHintIsHelpTextUnseenAndTheChosenHourHasTheFocus) {
    f.show();
    QApplication::setActiveWindow(&view.window());
    QTest::keyClick(widget(f.slotButton1), Qt::Key_Space);  // the task panel opens
    QWidget* title = widget(f.titleBox);
    EXPECT_EQ(accessible(title)->text(QAccessible::Help), "可以在此输入提醒任务的标题");
    QTest::keyClick(title, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no bubble shows it";
    auto& hours = *static_cast<QComboBox*>(widget(f.clockHour));
    QTest::keyClick(&hours, Qt::Key_Down);
    EXPECT_TRUE(accessible(&hours)->child(0)->child(hours.currentIndex())->state().focused);
}

TEST_F(QtInputTest, TheHintLineIsNamedByItsHintOrByWhatItIs) {
    EXPECT_EQ(accessible(widget(f.hintLine))->text(QAccessible::Name), "提示行");
    f.hintLine.setCaption("查看任务信息");
    EXPECT_EQ(accessible(widget(f.hintLine))->text(QAccessible::Name), "查看任务信息");
}

TEST_F(QtInputTest, TheSettingsPanelOutOfViewCannotBeUsedFromTheKeyboardNorHeard) {
    f.show();
    const tk::Control* panel[] = {&f.closeSettings, &f.openGame, &f.showClock, &f.exitPasswordOn,
                                  &f.backColourList};
    for (const tk::Control* control : panel) {
        EXPECT_EQ(widget(*control)->focusPolicy(), Qt::NoFocus) << control->name();
        EXPECT_TRUE(accessible(widget(*control))->state().invisible) << control->name();
    }
    f.setLeft(f.left() - 4230);
    f.setWidth(f.width() + 4230);
    EXPECT_NE(widget(f.closeSettings)->focusPolicy(), Qt::NoFocus)
        << "in view once the window widens";
    EXPECT_FALSE(accessible(widget(f.closeSettings))->state().invisible);
    f.closeSettings.setVisible(false);
    EXPECT_FALSE(widget(f.closeSettings)->isVisible()) << "the model still decides what is shown";
    f.setWidth(f.width() - 4230);
    f.closeSettings.setVisible(true);
    EXPECT_FALSE(widget(f.closeSettings)->isVisible()) << "shown by the model but out of view";
}

}  // namespace
