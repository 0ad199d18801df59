// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/qt_platform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QInputMethod>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleFactory>
#include <QTime>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "qt/fonts.h"
#include "qt/model_text.h"
#include "qt/password_box.h"
#include "qt/placement.h"
#include "toolkit/timer.h"

namespace qtview {

namespace {
int msecsOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay();
}

// Qt sizes a message box to its text and leaves the title only 50 px of
// frame: under a title bar with an icon and three buttons, a short box
// ("自己去体会") shows no title at all. This one is wide enough for its title
// beside them, as a message box on Windows is. The room is asked of the
// box's own layout, so that Qt's sizing (again at every layout request)
// comes to the same width: a window that changes its size after it is mapped
// can be moved by the window manager (KWin put such a box in the corner).
class MessageBox : public QMessageBox {
public:
    explicit MessageBox(const QScreen* home) : home_(home) {}

protected:
    void showEvent(QShowEvent* event) override {
        if (auto* buttons = findChild<QDialogButtonBox*>()) {
            const QMargins margins = layout()->contentsMargins();
            buttons->setMinimumWidth(widthShowingTitle() - margins.left() - margins.right());
        }
        QMessageBox::showEvent(event);  // sized to the text and the title
        if (!event->spontaneous()) move(centred(*this, workArea(home_)));
    }

private:
    // Measured in the box's own font, which is loaded already: a title bar's
    // font is the window manager's, and for Chinese a bold one is no wider.
    int widthShowingTitle() const {
        const int button = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        return fontMetrics().horizontalAdvance(windowTitle()) + 5 * button;
    }
    const QScreen* home_;
};

// Boxes are centred when the program shows them. The window system can show
// one again by itself (KWin maps a box anew when its minimised main window
// lets it), and Qt reports that show before it knows the box's frame: centred
// then, the box went half its size down and to the right.
class InputBox : public QInputDialog {
public:
    explicit InputBox(const QScreen* home) : home_(home) {}

protected:
    void showEvent(QShowEvent* event) override {
        QInputDialog::showEvent(event);
        if (!event->spontaneous()) move(centred(*this, workArea(home_)));
    }

private:
    const QScreen* home_;
};
}  // namespace

double QtClock::secondsSinceMidnight() {
    return msecsOfDay() / 1000.0;
}

int QtDialogs::run(QDialog& box, const std::string& title, tk::Alert alert) {
    box.setWindowTitle(shownLines(title.empty() ? emptyTitle_ : title));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const bool reminding = alert == tk::Alert::Reminder && reminderShownHook_;
    if (shownObserver_ || reminding) {
        QTimer::singleShot(0, &box, [this, &box, reminding] {
            if (!box.isVisible()) return;
            if (shownObserver_) shownObserver_(box);
            if (reminding) reminderShownHook_();
        });
    }
    return box.exec();
}

tk::Answer QtDialogs::message(const std::string& text, tk::Buttons buttons,
                              const std::string& title, tk::Alert alert,
                              const std::string& spoken) {
    MessageBox box(homeScreen());
    box.setText(shownLines(text));
    // A screen reader reads a box by the labels in it: what it should say
    // besides the text goes into the name of the text's label.
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label"); label && !spoken.empty()) {
        label->setAccessibleName(shownLines(text + "\r\n" + spoken));
    }
    QPushButton* ok = box.addButton("确定", QMessageBox::AcceptRole);
    QPushButton* cancel = nullptr;
    if (buttons == tk::Buttons::OkCancel) cancel = box.addButton("取消", QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel != nullptr ? cancel : ok);
    run(box, title, alert);
    return box.clickedButton() == ok ? tk::Answer::Ok : tk::Answer::Cancel;
}

std::string QtDialogs::input(const std::string& prompt, const std::string& title,
                             const std::string& defaultText, tk::Echo echo) {
    InputBox box(homeScreen());
    if (echo == tk::Echo::Secret) {
        box.setTextEchoMode(QLineEdit::Password);
        if (auto* edit = box.findChild<QLineEdit*>()) takePasswords(*edit);
    }
    box.setLabelText(shownLines(prompt));
    box.setTextValue(shownLines(defaultText));
    box.setOkButtonText("确定");
    box.setCancelButtonText("取消");
    return run(box, title, tk::Alert::None) == QDialog::Accepted ? box.textValue().toStdString()
                                                                 : std::string();
}

const QScreen* QtDialogs::homeScreen() const {
    return homeScreen_ ? homeScreen_() : nullptr;
}

// IBus finishes a word on commit, Fcitx on reset; IBus takes a reset as
// dropping what is still composed, which after the commit is nothing.
void QtDialogs::finishComposing() {
    QInputMethod* inputMethod = QGuiApplication::inputMethod();
    inputMethod->commit();
    inputMethod->reset();
}

QtTimers::QtTimers(TimeSource& time)
    : time_(time), alignedWakeup_(time.wakeUp([this] { wakeAligned(); })) {}

QtTimers::~QtTimers() = default;

void QtTimers::arm(tk::Timer& timer) {
    Entry& entry = entries_[&timer];
    if (!entry.own) entry.own = time_.wakeUp([this, &timer] { wake(timer); });
    entry.armed = ++armings_;
    entry.own->start(timer.interval());
    leaveTheSecond(entry);
}

void QtTimers::disarm(tk::Timer& timer) {
    if (auto found = entries_.find(&timer); found != entries_.end()) {
        found->second.own->stop();
        leaveTheSecond(found->second);
    }
}

void QtTimers::leaveTheSecond(Entry& entry) {
    if (entry.aim == 0) return;
    entry.aim = 0;
    scheduleAligned(time_.wallClockMs());
}

void QtTimers::aimAtTheSecond(const tk::Timer& timer, Entry& entry, qint64 now) {
    entry.aim = now - now % 1000 + timer.interval() + kAfterTurnMs;
}

// The one wake-up comes at the earliest turn any aligned timer waits for (a
// turn further off than its interval is one from before the wall clock was set
// back, and is due at once).
void QtTimers::scheduleAligned(qint64 now) {
    qint64 soonest = -1;
    for (const auto& [timer, entry] : entries_) {
        if (entry.aim == 0) continue;
        const qint64 wait =
            std::clamp<qint64>(entry.aim - now, 0, timer->interval() + kAfterTurnMs);
        if (soonest < 0 || wait < soonest) soonest = wait;
    }
    if (soonest < 0) {
        alignedWakeup_->stop();
    } else {
        alignedWakeup_->start(static_cast<int>(soonest));
    }
}

void QtTimers::wake(tk::Timer& timer) {
    Entry& entry = entries_.at(&timer);
    const int interval = timer.interval();
    if (interval == 0) return;
    if (interval % 1000 != 0) {
        entry.own->start(interval);
    } else {
        const qint64 now = time_.wallClockMs();
        entry.own->stop();
        aimAtTheSecond(timer, entry, now);
        scheduleAligned(now);
    }
    // Armed again before the handler runs, so ticks go on while it waits in a box.
    timer.tick();
}

void QtTimers::wakeAligned() {
    const qint64 now = time_.wallClockMs();
    struct Due {
        std::uint64_t armed;
        tk::Timer* timer;
    };
    std::vector<Due> due;
    for (auto& [timer, entry] : entries_) {
        if (entry.aim == 0) continue;
        // Woken just before its turn, a timer waits for it; a turn further off
        // than its interval dates from before the wall clock was set back.
        const bool setBack = entry.aim - now > timer->interval() + kAfterTurnMs;
        if (entry.aim > now && !setBack) continue;
        aimAtTheSecond(*timer, entry, now);
        due.push_back({entry.armed, timer});
    }
    scheduleAligned(now);
    std::sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.armed < b.armed; });
    for (const Due& d : due) {
        // A tick before it may have stopped or re-armed this timer.
        const auto found = entries_.find(d.timer);
        if (found != entries_.end() && found->second.armed == d.armed && found->second.aim != 0) {
            d.timer->tick();
        }
    }
}

void QtLifetime::endProcess() {
    QCoreApplication::exit(0);
}

namespace {

// The program's look: Fusion, with password boxes echoing "*" as designed.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        if (hint == SH_MessageBox_CenterButtons) return 1;
        // Text alone, as on the message boxes: some desktops' themes put
        // icons on an input box's 确定 and 取消.
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

void prepareApplication() {
    // Qt's own words (a text box's context menu, ...) in Chinese too.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Where the system has none of its own (Windows), the program brings them.
    auto* translator = new QTranslator(qApp);
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/translations")}) {
        if (translator->load("qtbase_zh_CN", folder)) {
            QCoreApplication::installTranslator(translator);
            break;
        }
    }
    QApplication::setStyle(new ProgramStyle);
    QApplication::setFont(toQFont(tk::Font{}));
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace qtview
