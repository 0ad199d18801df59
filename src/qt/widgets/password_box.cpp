// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/widgets/password_box.h"

#include <QInputMethodQueryEvent>
#include <QLineEdit>

namespace qtview {

namespace {
// A line box answers for itself whether it takes an input method (yes, when
// it is editable): this answer goes first.
class NoInputMethod : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::InputMethodQuery) return false;
        auto& query = static_cast<QInputMethodQueryEvent&>(*event);
        if (!query.queries().testFlag(Qt::ImEnabled)) return false;
        watched->event(event);  // every other answer as the box gives it
        query.setValue(Qt::ImEnabled, false);
        return true;
    }
};
}  // namespace

void makePasswordBox(QLineEdit& edit) {
    edit.setEchoMode(QLineEdit::Password);
    edit.setAttribute(Qt::WA_InputMethodEnabled, false);
    edit.installEventFilter(new NoInputMethod(&edit));
}

}  // namespace qtview
