#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "qt/artwork.h"
#include "qt/text.h"
#include "qt/widgets.h"

namespace qtview {

namespace {

// A frame drawn as the interface was designed: an etched rectangle whose top
// line runs through the middle of the caption, the caption in the frame's
// text colour over the frame's background.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QFontMetrics metrics(font());
        const int captionMiddle = title().isEmpty() ? 0 : metrics.height() / 2;
        const QRect box = rect().adjusted(0, captionMiddle, -2, -2);
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(box);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(box.translated(1, 1));
        if (title().isEmpty()) return;
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        p.fillRect(caption, palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, title());
    }
};

// Feeds mouse moves, and clicks on boxes and pictures, into the control.
class MouseFeed : public QObject {
public:
    MouseFeed(tk::Control& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            control_.mouseMove();
        } else if (event->type() == QEvent::MouseButtonRelease && clicksByMouse()) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) control_.click();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Buttons, check boxes, options and lists report clicks through their own signals.
    bool clicksByMouse() const {
        return control_.kind() == tk::Kind::TextBox || control_.kind() == tk::Kind::Label ||
               control_.kind() == tk::Kind::Picture || control_.kind() == tk::Kind::Frame;
    }
    tk::Control& control_;
};

void watchMouse(tk::Control& control, QWidget* widget) {
    auto* feed = new MouseFeed(control, widget);
    widget->setMouseTracking(true);
    widget->installEventFilter(feed);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(feed);
    }
}

// A click on a check box or option button goes to the model, which decides
// the new value; the widget then shows that value, whatever Qt toggled it to.
QWidget* leadClicksToModel(tk::Control& control, QAbstractButton* button) {
    QObject::connect(button, &QAbstractButton::clicked, button, [&control, button] {
        control.click();
        pushProperty(control, *button, tk::Property::Value, 0);
    });
    return button;
}

QWidget* createTextBox(tk::TextBox& box, QWidget* parent) {
    if (box.multiLine()) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(box.locked());
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // The log blinks three times a second: its colours must not repaint
        // the scroll bars, so they keep a palette of their own.
        for (QScrollBar* bar : {edit->verticalScrollBar(), edit->horizontalScrollBar()}) {
            for (QWidget* part : {static_cast<QWidget*>(bar), bar->parentWidget()}) {
                QPalette fixed = QApplication::palette(part);
                fixed.setResolveMask(~QPalette::ResolveMask{});
                part->setPalette(fixed);
            }
        }
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [&box, edit] {
            box.setText(edit->toPlainText().replace("\n", "\r\n").toStdString());
        });
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    edit->setEchoMode(box.password() ? QLineEdit::Password : QLineEdit::Normal);
    if (box.maxLength() > 0) edit->setMaxLength(box.maxLength());
    edit->setReadOnly(box.locked());
    QObject::connect(edit, &QLineEdit::textEdited, edit, [&box, edit](const QString& text) {
        box.setText(text.toStdString());
        if (toQString(box.text()) != edit->text()) {
            const QSignalBlocker blocker(edit);
            edit->setText(toQString(box.text()));
        }
    });
    return edit;
}

QWidget* createByKind(tk::Control& control, QWidget* parent) {
    switch (control.kind()) {
        case tk::Kind::Frame:
            return new FrameBox(parent);
        case tk::Kind::Label:
            return new QLabel(parent);
        case tk::Kind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setScaledContents(true);
            picture->setPixmap(artwork(static_cast<tk::Picture&>(control).image()));
            return picture;
        }
        case tk::Kind::CommandButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, button,
                             [&control] { control.click(); });
            return button;
        }
        case tk::Kind::CheckBox: {
            auto* check = new QCheckBox(parent);
            check->setTristate(true);
            return leadClicksToModel(control, check);
        }
        case tk::Kind::OptionButton: {
            auto* option = new QRadioButton(parent);
            option->setAutoExclusive(false);  // the model clears the others
            return leadClicksToModel(control, option);
        }
        case tk::Kind::ComboBox: {
            auto* combo = new QComboBox(parent);
            auto& model = static_cast<tk::ComboBox&>(control);
            QObject::connect(combo, &QComboBox::activated, combo,
                             [&model](int index) { model.choose(index); });
            return combo;
        }
        case tk::Kind::TextBox:
            return createTextBox(static_cast<tk::TextBox&>(control), parent);
    }
    return new QWidget(parent);
}

}  // namespace

QWidget* createWidget(tk::Control& control, QWidget* parent) {
    QWidget* widget = createByKind(control, parent);
    widget->setObjectName(toQString(control.name()));
    watchMouse(control, widget);
    return widget;
}

}  // namespace qtview
