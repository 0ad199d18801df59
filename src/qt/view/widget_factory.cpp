// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStaticText>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QtMath>

#include "qt/accessibility/accessible_drop_down.h"
#include "qt/look/artwork.h"
#include "qt/model_text.h"
#include "qt/view/user_input.h"
#include "qt/view/widgets.h"
#include "qt/widgets/character_limit.h"
#include "qt/widgets/password_box.h"
#include "qt/widgets/text_area.h"

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

// A label that grows with its one line of text (the heading that shows the
// clock). The line is laid out once when the text or font changes, and both
// the label's size and its painting use that layout: the clock's label is
// drawn every second.
class GrowingLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override {
        const QSizeF text = line().size();
        const QMargins margins = contentsMargins();
        return {qCeil(text.width()) + margins.left() + margins.right(),
                qCeil(text.height()) + margins.top() + margins.bottom()};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QSizeF size = line().size();
        const QRect area = contentsRect();
        const Qt::Alignment align = alignment();
        qreal x = area.left();
        if (align & Qt::AlignHCenter) x += (area.width() - size.width()) / 2;
        if (align & Qt::AlignRight) x += area.width() - size.width();
        qreal y = area.top() + (area.height() - size.height()) / 2;
        if (align & Qt::AlignTop) y = area.top();
        if (align & Qt::AlignBottom) y = area.bottom() + 1 - size.height();
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawStaticText(QPointF(x, y), line());
    }

private:
    const QStaticText& line() const {
        if (line_.text() != text() || lineFont_ != font()) {
            line_.setText(text());
            line_.setTextFormat(Qt::PlainText);
            line_.prepare(QTransform(), font());
            lineFont_ = font();
        }
        return line_;
    }

    mutable QStaticText line_;
    mutable QFont lineFont_;
};

// A picture stretched to its box, drawn afresh for the box's size in device
// pixels, so that it is as sharp at 200 % as at 100 %.
class PictureBox : public QWidget {
public:
    PictureBox(std::string name, QWidget* parent) : QWidget(parent), name_(std::move(name)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = size() * ratio;
        if (drawn_.size() != pixels) {
            drawn_ = artwork(name_, pixels);
            drawn_.setDevicePixelRatio(ratio);
        }
        QPainter(this).drawPixmap(0, 0, drawn_);
    }

private:
    std::string name_;
    QPixmap drawn_;
};

// A drop-down list whose text field is filled with the list's own back
// colour, as designed, rather than the style's shaded button face.
class DropDownWidget : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        painter.fillRect(field, palette().color(QPalette::Base));
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

QWidget* createTextBox(tk::TextBox& box, QWidget* parent) {
    if (box.multiLine()) {
        auto* edit = new TextArea(parent);
        edit->setReadOnly(box.locked());
        // A locked box (the log) is read by the keyboard too: arrow keys move
        // its caret line by line, and a screen reader says each line.
        if (box.locked()) {
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
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
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(box.locked());
    if (box.password()) makePasswordBox(*edit);
    if (box.maxLength() > 0) edit->setValidator(new CharacterLimit(box.maxLength(), edit));
    return edit;
}

QWidget* createByKind(tk::Control& control, QWidget* parent) {
    switch (control.kind()) {
        case tk::Kind::Frame:
            return new FrameBox(parent);
        case tk::Kind::Label: {
            if (control.autoSize()) return new GrowingLabel(parent);
            // A label's text wraps within its box, as designed labels do.
            auto* label = new QLabel(parent);
            label->setWordWrap(true);
            return label;
        }
        case tk::Kind::Picture:
            return new PictureBox(static_cast<tk::Picture&>(control).image(), parent);
        case tk::Kind::CommandButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            return button;
        }
        case tk::Kind::CheckBox: {
            auto* check = new QCheckBox(parent);
            check->setTristate(true);
            return check;
        }
        case tk::Kind::OptionButton:
            // Options of one frame exclude each other, so that assistive
            // technology knows them as radio buttons and arrow keys move
            // between them.
            return new QRadioButton(parent);
        case tk::Kind::ComboBox: {
            auto* list = new DropDownWidget(parent);
            QObject::connect(list, &QComboBox::currentIndexChanged, list,
                             [list] { announceChoice(*list); });
            return list;
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
    leadInputToModel(control, *widget);
    return widget;
}

}  // namespace qtview
