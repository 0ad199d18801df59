// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "qt/accessibility/accessible_drop_down.h"
#include "qt/model_text.h"
#include "qt/view/user_input.h"
#include "qt/view/widgets.h"
#include "qt/widgets/character_limit.h"
#include "qt/widgets/drop_down.h"
#include "qt/widgets/frame_box.h"
#include "qt/widgets/growing_label.h"
#include "qt/widgets/password_box.h"
#include "qt/widgets/picture_box.h"
#include "qt/widgets/text_area.h"

namespace qtview {

namespace {

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
