// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/accessibility/notice_mediator.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace qtview {

namespace {

// Qt takes a plain function, so what it works with lives here: the handler
// that was installed before (Qt's own, or an assistive technology bridge's),
// which hears what passes through; the controls' hints; and the object of the
// last focus notice that went out.
QAccessible::UpdateHandler handlerBeforeUs = nullptr;
HintOf hintOf;
QPointer<QObject> announcedFocus;

void mediate(QAccessibleEvent* event);

void forward(QAccessibleEvent* event) {
    QAccessible::installUpdateHandler(handlerBeforeUs);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(mediate);
}

bool isPasswordBox(QObject* object) {
    const auto* edit = qobject_cast<QLineEdit*>(object);
    return edit != nullptr && edit->echoMode() != QLineEdit::Normal;
}

QString stars(const QString& text) {
    return QString(text.size(), QLatin1Char('*'));
}

// The same change told in stars: Change is the notice's class, Texts the
// texts it carries, in the order its constructor takes them.
template <class Change, class... Texts>
void forwardInStars(const Change& change, const Texts&... texts) {
    Change masked(change.object(), change.changePosition(), stars(texts)...);
    masked.setCursorPosition(change.cursorPosition());
    forward(&masked);
}

void forwardInStars(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextInserted) {
        const auto& change = static_cast<QAccessibleTextInsertEvent&>(*event);
        forwardInStars(change, change.textInserted());
    } else if (event->type() == QAccessible::TextRemoved) {
        const auto& change = static_cast<QAccessibleTextRemoveEvent&>(*event);
        forwardInStars(change, change.textRemoved());
    } else {
        const auto& change = static_cast<QAccessibleTextUpdateEvent&>(*event);
        forwardInStars(change, change.textRemoved(), change.textInserted());
    }
}

// The hint is the control's description and its help text as well: Windows'
// UI Automation hands the two to a client apart, and some clients read only
// the help text. Qt takes that from the "What's this?" text.
void describeByHint(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return;
    const QString hint = hintOf(*widget);
    if (hint.isEmpty()) return;
    if (widget->accessibleDescription() != hint) widget->setAccessibleDescription(hint);
    if (widget->whatsThis() != hint) widget->setWhatsThis(hint);
}

// Qt shows a control's "What's this?" text in a bubble on Shift+F1; the hints
// are there for assistive technology, which has them already, and nothing
// else in the program answers that key.
class WhatsThisUnseen : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(target);
        return key->key() == Qt::Key_F1 && key->modifiers().testFlag(Qt::ShiftModifier) &&
               widget != nullptr && !widget->whatsThis().isEmpty();
    }
};

bool announcedAndFocused(QObject* object) {
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && object == announcedFocus && widget->hasFocus();
}

void mediate(QAccessibleEvent* event) {
    QObject* object = event->object();
    switch (event->type()) {
        case QAccessible::Focus:
            describeByHint(object);
            announcedFocus = object;
            break;
        case QAccessible::TextCaretMoved:
        case QAccessible::TextSelectionChanged:
            if (!announcedAndFocused(object)) return;
            break;
        case QAccessible::TextInserted:
        case QAccessible::TextRemoved:
        case QAccessible::TextUpdated:
            if (isPasswordBox(object)) {
                forwardInStars(event);
                return;
            }
            break;
        default:
            break;
    }
    forward(event);
}

}  // namespace

void mediateAccessibilityNotices(HintOf hints) {
    hintOf = std::move(hints);
    handlerBeforeUs = QAccessible::installUpdateHandler(mediate);
    qApp->installEventFilter(new WhatsThisUnseen(qApp));
}

}  // namespace qtview
