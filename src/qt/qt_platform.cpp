#include "qt/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTime>
#include <QTranslator>

#include "qt/palette.h"
#include "qt/text.h"
#include "toolkit/timer.h"

namespace qtview {

namespace {
int msecsOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay();
}
qint64 wallClockMs() {
    return QDateTime::currentMSecsSinceEpoch();
}
}  // namespace

double QtClock::secondsSinceMidnight() {
    return msecsOfDay() / 1000.0;
}

int QtDialogs::run(QDialog& box) {
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (shownHook_) {
        QTimer::singleShot(0, &box, [this, &box] {
            if (box.isVisible()) shownHook_(box);
        });
    }
    return box.exec();
}

tk::Answer QtDialogs::message(const std::string& text, tk::Buttons buttons,
                              const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, shownLines(title), shownLines(text),
                    QMessageBox::NoButton);
    QPushButton* ok = box.addButton("确定", QMessageBox::AcceptRole);
    QPushButton* cancel = nullptr;
    if (buttons == tk::Buttons::OkCancel) cancel = box.addButton("取消", QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel != nullptr ? cancel : ok);
    run(box);
    return box.clickedButton() == ok ? tk::Answer::Ok : tk::Answer::Cancel;
}

std::string QtDialogs::input(const std::string& prompt, const std::string& title,
                             const std::string& defaultText, tk::Echo echo) {
    QInputDialog box;
    if (echo == tk::Echo::Secret) box.setTextEchoMode(QLineEdit::Password);
    box.setWindowTitle(shownLines(title));
    box.setLabelText(shownLines(prompt));
    box.setTextValue(shownLines(defaultText));
    box.setOkButtonText("确定");
    box.setCancelButtonText("取消");
    return run(box) == QDialog::Accepted ? box.textValue().toStdString() : std::string();
}

void QtDialogs::pressOk(QDialog& box) {
    if (auto* message = qobject_cast<QMessageBox*>(&box)) {
        message->defaultButton()->click();
    } else {
        box.accept();
    }
}

QtTimers::QtTimers() : wallClock_(wallClockMs) {}

void QtTimers::arm(tk::Timer& timer) {
    Entry& entry = entries_[&timer];
    if (!entry.qtimer) {
        entry.qtimer = std::make_unique<QTimer>();
        entry.qtimer->setSingleShot(true);
        entry.qtimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(entry.qtimer.get(), &QTimer::timeout, [this, &timer] { wake(timer); });
    }
    entry.aim = 0;
    entry.qtimer->start(timer.interval());
}

void QtTimers::disarm(tk::Timer& timer) {
    if (auto found = entries_.find(&timer); found != entries_.end()) found->second.qtimer->stop();
}

int QtTimers::nextWakeMs(const tk::Timer& timer) const {
    const auto found = entries_.find(&timer);
    if (found == entries_.end() || !found->second.qtimer->isActive()) return -1;
    return found->second.qtimer->interval();
}

void QtTimers::wake(tk::Timer& timer) {
    Entry& entry = entries_.at(&timer);
    const int interval = timer.interval();
    if (interval == 0) return;
    if (!aligned_ || interval % 1000 != 0) {
        entry.qtimer->start(interval);
    } else {
        const qint64 now = wallClock_();
        if (now < entry.aim && entry.aim - now < 1000) {
            // Woke just before the turn it was aimed at: wait for it. (Further
            // off, the wall clock was set back: aim afresh.)
            entry.qtimer->start(static_cast<int>(entry.aim - now));
            return;
        }
        entry.aim = now - now % 1000 + interval + kAfterTurnMs;
        entry.qtimer->start(static_cast<int>(entry.aim - now));
    }
    // Armed again before the handler runs, so ticks go on while it waits in a box.
    timer.tick();
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
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

void prepareApplication() {
    // Qt's own words (a text box's context menu, ...) in Chinese too.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(qApp);
    if (translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
    QApplication::setStyle(new ProgramStyle);
    QApplication::setFont(toQFont(tk::Font{}));
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace qtview
