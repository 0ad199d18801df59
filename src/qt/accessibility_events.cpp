// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/accessibility_events.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPointer>

#include "qt/model_text.h"
#include "qt/user_input.h"

namespace qtview {

namespace {

QAccessible::UpdateHandler toolkitHandler = nullptr;
// The object of the last focus notice that went out.
QPointer<QObject> announcedFocus;

void mediate(QAccessibleEvent* event);

void forward(QAccessibleEvent* event) {
    QAccessible::installUpdateHandler(toolkitHandler);
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

void describeByHint(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const tk::Control* control = widget != nullptr ? controlOf(widget) : nullptr;
    if (control == nullptr) return;
    const QString hint = toQString(control->hint());
    if (!hint.isEmpty() && widget->accessibleDescription() != hint) {
        widget->setAccessibleDescription(hint);
    }
}

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

void mediateAccessibilityNotices() {
    static const bool installed =
        (toolkitHandler = QAccessible::installUpdateHandler(mediate), true);
    (void)installed;
}

}  // namespace qtview
