#include "qt/widgets.h"

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
#include "qt/palette.h"
#include "toolkit/form.h"

namespace qtview {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

void pushOne(tk::Control& control, QWidget& widget, tk::Property property, double dpi);

// Line breaks are kept as carriage return + line feed in the model and shown
// as plain line breaks.
QString shownLines(const std::string& text) {
    return qs(text).replace("\r\n", "\n");
}

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

// Text drawn in a stand-in font can be wider than the box it was designed
// for: a label then takes a smaller size of its font, so nothing is cut off.
void fitLabelText(const tk::Control& control, QLabel& label) {
    if (control.autoSize() || label.text().isEmpty()) return;
    QFont font = toQFont(control.font());
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(label.text()) > label.width()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (label.font() != font) label.setFont(font);
}

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
        if (qs(box.text()) != edit->text()) {
            const QSignalBlocker blocker(edit);
            edit->setText(qs(box.text()));
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
            QObject::connect(check, &QCheckBox::clicked, check, [&control, check] {
                control.click();
                pushProperty(control, *check, tk::Property::Value, 0);
            });
            return check;
        }
        case tk::Kind::OptionButton: {
            auto* option = new QRadioButton(parent);
            option->setAutoExclusive(false);  // the model clears the others
            QObject::connect(option, &QRadioButton::clicked, option, [&control, option] {
                control.click();
                pushProperty(control, *option, tk::Property::Value, 0);
            });
            return option;
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

void pushColours(const tk::Control& control, QWidget& widget) {
    QPalette palette = widget.palette();
    const QColor back = toQColor(control.backColor());
    const QColor fore = toQColor(control.foreColor());
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, back);
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, fore);
        }
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    }
    // The log changes colour three times a second while it blinks: only its
    // text area and its thin border need repainting then, not its scroll bars
    // (whose palettes are their own), so the whole-widget update is held back.
    const bool textAreaOnly = qobject_cast<QPlainTextEdit*>(&widget) != nullptr;
    if (textAreaOnly) widget.setAttribute(Qt::WA_UpdatesDisabled, true);
    widget.setPalette(palette);
    if (textAreaOnly) {
        widget.setAttribute(Qt::WA_UpdatesDisabled, false);
        QRegion border(widget.rect());
        for (QWidget* part : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (part->isVisible()) border -= part->geometry();
        }
        widget.update(border);
    }
    // Buttons draw their own face, and a box's viewport fills itself.
    widget.setAutoFillBackground(control.kind() != tk::Kind::CommandButton &&
                                 control.kind() != tk::Kind::TextBox);
}

Qt::Alignment toQt(tk::Align align) {
    switch (align) {
        case tk::Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case tk::Align::Center:
            return Qt::AlignCenter;
        case tk::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void pushGeometry(const tk::Control& control, QWidget& widget, double dpi) {
    const tk::Rect& r = control.geometry();
    const int x = twipsToPixels(r.left, dpi);
    const int y = twipsToPixels(r.top, dpi);
    int w = twipsToPixels(r.left + r.width, dpi) - x;
    const int h = twipsToPixels(r.top + r.height, dpi) - y;
    if (control.autoSize()) w = widget.sizeHint().width();
    widget.setGeometry(x, y, w, h);
}

void pushCaption(const tk::Control& control, QWidget& widget, double dpi) {
    const QString caption = qs(control.caption());
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (control.kind() == tk::Kind::Label) label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        frame->setTitle(caption);
    }
    if (control.autoSize()) pushGeometry(control, widget, dpi);
}

void pushText(const tk::TextBox& box, QWidget& widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        if (edit->text() != qs(box.text())) edit->setText(qs(box.text()));
    } else if (auto* log = qobject_cast<QPlainTextEdit*>(&widget)) {
        const QString text = shownLines(box.text());
        if (log->toPlainText() != text) {
            log->setPlainText(text);
            log->verticalScrollBar()->setValue(0);  // the newest entry stands on top
        }
    }
}

void pushValue(const tk::Control& control, QWidget& widget) {
    if (control.kind() == tk::Kind::CheckBox) {
        static const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        const int value = static_cast<const tk::CheckBox&>(control).value();
        static_cast<QCheckBox&>(widget).setCheckState(states[value >= 0 && value <= 2 ? value : 0]);
    } else if (control.kind() == tk::Kind::OptionButton) {
        static_cast<QRadioButton&>(widget).setChecked(
            static_cast<const tk::OptionButton&>(control).value());
    }
}

void pushItems(const tk::ComboBox& combo, QComboBox& widget) {
    widget.clear();
    for (const std::string& item : combo.items()) widget.addItem(qs(item));
    widget.setCurrentIndex(combo.listIndex());
}

}  // namespace

QWidget* createWidget(tk::Control& control, QWidget* parent) {
    QWidget* widget = createByKind(control, parent);
    widget->setObjectName(qs(control.name()));
    watchMouse(control, widget);
    return widget;
}

void pushProperty(tk::Control& control, QWidget& widget, tk::Property property, double dpi) {
    const QSignalBlocker blocker(&widget);
    pushOne(control, widget, property, dpi);
    if (auto* label = qobject_cast<QLabel*>(&widget);
        label != nullptr && control.kind() == tk::Kind::Label &&
        (property == tk::Property::Caption || property == tk::Property::Geometry ||
         property == tk::Property::Font)) {
        fitLabelText(control, *label);
    }
}

namespace {
void pushOne(tk::Control& control, QWidget& widget, tk::Property property, double dpi) {
    switch (property) {
        case tk::Property::Caption:
            pushCaption(control, widget, dpi);
            break;
        case tk::Property::Text:
            pushText(static_cast<tk::TextBox&>(control), widget);
            break;
        case tk::Property::Geometry:
            pushGeometry(control, widget, dpi);
            break;
        case tk::Property::Visible:
            widget.setVisible(control.visible());
            break;
        case tk::Property::Enabled:
            widget.setEnabled(control.enabled());
            break;
        case tk::Property::BackColor:
        case tk::Property::ForeColor:
            pushColours(control, widget);
            break;
        case tk::Property::Font:
            widget.setFont(toQFont(control.font()));
            if (control.autoSize()) pushGeometry(control, widget, dpi);
            break;
        case tk::Property::Value:
            pushValue(control, widget);
            break;
        case tk::Property::Items:
            pushItems(static_cast<tk::ComboBox&>(control), static_cast<QComboBox&>(widget));
            break;
        case tk::Property::ListIndex:
            static_cast<QComboBox&>(widget).setCurrentIndex(
                static_cast<tk::ComboBox&>(control).listIndex());
            break;
        case tk::Property::MousePointer:
            if (control.mousePointer() == tk::MousePointer::ArrowQuestion) {
                widget.setCursor(Qt::WhatsThisCursor);
            } else {
                widget.unsetCursor();
            }
            break;
        case tk::Property::WindowState:
        case tk::Property::DefaultButton:
            break;
    }
}
}  // namespace

void pushAll(tk::Control& control, QWidget& widget, double dpi) {
    if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setAlignment(toQt(control.alignment()));
    for (tk::Property property :
         {tk::Property::Font, tk::Property::Caption, tk::Property::Geometry,
          tk::Property::BackColor, tk::Property::Value, tk::Property::MousePointer,
          tk::Property::Enabled, tk::Property::Visible}) {
        pushProperty(control, widget, property, dpi);
    }
    if (control.kind() == tk::Kind::TextBox) pushProperty(control, widget, tk::Property::Text, dpi);
    if (control.kind() == tk::Kind::ComboBox)
        pushProperty(control, widget, tk::Property::Items, dpi);
}

}  // namespace qtview
