// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/view/user_input.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "qt/model_text.h"
#include "qt/view/key_repeats.h"
#include "qt/view/widgets.h"
#include "qt/widgets/text_area.h"

namespace qtview {

namespace {

constexpr const char* kControlProperty = "tkControl";

void markAsShowing(QWidget& widget, tk::Control& control) {
    widget.setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(&control)));
}

// Qt hands a mouse event that a child ignores, or cannot take because it is
// disabled, on to the child's parent. The event belongs to the widget under
// the pointer alone: a parent that sees it only passing through must not act.
bool ownsMouseEvent(QWidget& watched, const QMouseEvent& mouse) {
    for (QWidget* at = watched.childAt(mouse.position().toPoint()); at != nullptr && at != &watched;
         at = at->parentWidget()) {
        if (controlOf(at) != nullptr) return false;
    }
    return true;
}

// Feeds mouse moves, and clicks on boxes, labels, pictures and frames, into
// the control. Buttons, check boxes, options and lists report their clicks
// through their own signals, which keys and assistive technology raise too.
class MouseFeed : public QObject {
public:
    MouseFeed(tk::Control& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (!ownsMouseEvent(static_cast<QWidget&>(*watched), mouse)) return false;
        if (type == QEvent::MouseMove) {
            control_.mouseMove();
        } else if (mouse.button() == Qt::LeftButton && clickedByMouseOnly()) {
            control_.click();
        }
        return false;
    }

private:
    bool clickedByMouseOnly() const {
        const tk::Kind kind = control_.kind();
        return kind == tk::Kind::TextBox || kind == tk::Kind::Label || kind == tk::Kind::Picture ||
               kind == tk::Kind::Frame;
    }
    tk::Control& control_;
};

void watchMouse(tk::Control& control, QWidget& widget) {
    auto* feed = new MouseFeed(control, &widget);
    widget.setMouseTracking(true);
    widget.installEventFilter(feed);
    // A box's text is drawn in its viewport, which takes the mouse first.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget)) {
        markAsShowing(*area->viewport(), control);
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(feed);
    }
}

// Space or Enter on a locked box that has the focus (the log after a
// reminder) is the keyboard's click on it, as a button takes the two: the
// click that ends the log's blinking. Enter then goes no further, to the
// window's default button; every other key keeps its meaning, the arrows
// move the caret.
//
// Only a fresh press clicks. A key held down repeats: Enter held on the
// reminder's box, which closes on its press, repeats into the log, which has
// the focus once the box is gone, and would end the blinking before the
// person has seen it. A press flagged a repeat, alone and then let go, clicks
// where the system flags fresh presses so (loneRepeatIsAPress).
class KeyClickFeed : public QObject {
public:
    KeyClickFeed(tk::Control& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::FocusIn) since_ = Since::LetGo;
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool clickKey =
            key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        if (!clickKey || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        if (type == QEvent::KeyRelease) {
            letGo(key);
        } else if (key.timestamp() != 0 && key.timestamp() == letGoAt_) {
            // X repeats a key as a release and a press at one time, which Qt
            // flags a repeat only when it reads both at once.
            since_ = Since::Held;
        } else if (key.isAutoRepeat()) {
            since_ = since_ == Since::LetGo ? Since::OneRepeat : Since::Held;
        } else {
            control_.click();
        }
        return true;
    }

private:
    enum class Since { LetGo, OneRepeat, Held };

    void letGo(const QKeyEvent& key) {
        if (key.isAutoRepeat()) return;
        if (since_ == Since::OneRepeat && loneRepeatIsAPress()) control_.click();
        since_ = Since::LetGo;
        letGoAt_ = key.timestamp();
    }

    tk::Control& control_;
    // What the key did since it was last let go on the box, and when that was.
    Since since_ = Since::LetGo;
    quint64 letGoAt_ = 0;
};

// Text, value and chosen item are no sizes: their push needs no DPI.
void showModelValue(tk::Control& control, QWidget& widget, tk::Property property) {
    pushProperty(control, widget, property, 0);
}

// Every change of the widget's text that the model did not push, whatever
// made it, is a person's edit. The model may refuse it (an unreachable or
// locked box) or keep less of it (a maximum length): the widget then shows
// the model's text again.
void leadTextToModel(tk::TextBox& box, QLineEdit& edit) {
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&box, &edit](const QString& text) {
        box.edit(text.toStdString());
        if (edit.text() != toQString(box.text())) showModelValue(box, edit, tk::Property::Text);
    });
}

void leadTextToModel(tk::TextBox& box, TextArea& edit) {
    QObject::connect(&edit, &QPlainTextEdit::textChanged, &edit, [&box, &edit] {
        edit.forgetShownText();
        box.edit(modelLines(edit.toPlainText()));
        if (edit.toPlainText() == shownLines(box.text())) return;
        // Not from inside the document's own change notification.
        QMetaObject::invokeMethod(
            &edit, [&box, &edit] { showModelValue(box, edit, tk::Property::Text); },
            Qt::QueuedConnection);
    });
}

// A click, Space, or the toggle action of assistive technology: each changes
// the check state once, and each is one click in the model, which decides
// the value the box shows.
void leadClicksToModel(tk::Control& control, QCheckBox& check) {
    QObject::connect(&check, &QCheckBox::stateChanged, &check, [&control, &check] {
        control.click();
        showModelValue(control, check, tk::Property::Value);
    });
}

// An option that becomes checked (a click, Space, an arrow key, assistive
// technology) is clicked in the model. The option Qt unchecked beside it
// shows the model's value again at once; the model's click then clears it,
// if the click reached the model at all.
void leadClicksToModel(tk::Control& control, QRadioButton& option) {
    QObject::connect(&option, &QRadioButton::toggled, &option, [&control, &option](bool checked) {
        if (!checked) {
            showModelValue(control, option, tk::Property::Value);
            return;
        }
        control.click();
        for (auto* sibling :
             option.parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (tk::Control* other = controlOf(sibling)) {
                showModelValue(*other, *sibling, tk::Property::Value);
            }
        }
    });
}

void leadChoicesToModel(tk::ComboBox& list, QComboBox& combo) {
    QObject::connect(&combo, &QComboBox::activated, &combo, [&list, &combo](int index) {
        list.choose(index);
        if (combo.currentIndex() != list.listIndex()) {
            showModelValue(list, combo, tk::Property::ListIndex);
        }
    });
}

}  // namespace

tk::Control* controlOf(const QWidget* widget) {
    return static_cast<tk::Control*>(widget->property(kControlProperty).value<void*>());
}

void leadInputToModel(tk::Control& control, QWidget& widget) {
    markAsShowing(widget, control);
    watchMouse(control, widget);
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        QObject::connect(button, &QPushButton::clicked, button, [&control] { control.click(); });
    } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
        leadClicksToModel(control, *check);
    } else if (auto* option = qobject_cast<QRadioButton*>(&widget)) {
        leadClicksToModel(control, *option);
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        leadChoicesToModel(static_cast<tk::ComboBox&>(control), *combo);
    } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
        leadTextToModel(static_cast<tk::TextBox&>(control), *line);
    } else if (auto* text = dynamic_cast<TextArea*>(&widget)) {
        leadTextToModel(static_cast<tk::TextBox&>(control), *text);
        if (text->isReadOnly()) text->installEventFilter(new KeyClickFeed(control, text));
    }
}

}  // namespace qtview
