// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/services/dialogs.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QInputMethod>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>

#include "qt/model_text.h"
#include "qt/widgets/password_box.h"
#include "qt/windowing/placement.h"

namespace qtview {

namespace {

// Boxes are centred when the program shows them. The window system can show
// one again by itself (KWin maps a box anew when its minimised main window
// lets it), and Qt reports that show before it knows the box's frame: centred
// then, the box went half its size down and to the right.
template <class Box>
class CentredBox : public Box {
public:
    explicit CentredBox(const QScreen* home) : home_(home) {}

protected:
    void showEvent(QShowEvent* event) override {
        sizeBeforeShowing();
        Box::showEvent(event);
        if (!event->spontaneous()) this->move(centred(*this, workArea(home_)));
    }
    virtual void sizeBeforeShowing() {}

private:
    const QScreen* home_;
};

// Qt sizes a message box to its text and leaves the title only 50 px of
// frame: under a title bar with an icon and three buttons, a short box
// ("自己去体会") shows no title at all. This one is wide enough for its title
// beside them, as a message box on Windows is. The room is asked of the
// box's own layout, so that Qt's sizing (again at every layout request)
// comes to the same width: a window that changes its size after it is mapped
// can be moved by the window manager (KWin put such a box in the corner).
class MessageBox : public CentredBox<QMessageBox> {
public:
    using CentredBox::CentredBox;

protected:
    void sizeBeforeShowing() override {
        if (auto* buttons = findChild<QDialogButtonBox*>()) {
            const QMargins margins = layout()->contentsMargins();
            buttons->setMinimumWidth(widthShowingTitle() - margins.left() - margins.right());
        }
    }

private:
    // Measured in the box's own font, which is loaded already: a title bar's
    // font is the window manager's, and for Chinese a bold one is no wider.
    int widthShowingTitle() const {
        const int button = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        return fontMetrics().horizontalAdvance(windowTitle()) + 5 * button;
    }
};

using InputBox = CentredBox<QInputDialog>;

}  // namespace

int QtDialogs::run(QDialog& box, const std::string& title, tk::Alert alert) {
    box.setWindowTitle(shownLines(title.empty() ? emptyTitle_ : title));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const bool reminding = alert == tk::Alert::Reminder && reminderShownHook_;
    if (shownObserver_ || reminding) {
        QTimer::singleShot(0, &box, [this, &box, reminding] {
            if (!box.isVisible()) return;
            if (shownObserver_) shownObserver_(box);
            if (reminding) reminderShownHook_(box);
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
        if (auto* edit = box.findChild<QLineEdit*>()) makePasswordBox(*edit);
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

}  // namespace qtview
