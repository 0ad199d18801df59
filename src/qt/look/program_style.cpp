// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/program_style.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QStyleOption>

namespace qtview {

namespace {

// In logical pixels: four device pixels at 200 %.
constexpr int kFocusRing = 2;

bool focused(const QStyleOption& option) {
    return option.state.testFlag(QStyle::State_HasFocus);
}

// A band `width` wide along the inside of `rect`.
void fillBorder(QPainter& painter, const QRect& rect, int width, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), colour);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), colour);
    painter.restore();
}

// Black, or white on a dark control (the log on black during a reminder, a
// list painted dark): whichever stands out from the control's own surface.
// Never the text colour: the log's blinks, and its ring is not drawn again
// at every blink.
void drawFocusRing(QPainter& painter, const QStyleOption& option, QPalette::ColorRole surface) {
    const bool dark = qGray(option.palette.color(surface).rgb()) < 128;
    fillBorder(painter, option.rect, kFocusRing, dark ? Qt::white : Qt::black);
}

// Fusion draws the element as if it had no focus, `inset` pixels in from the
// sides; the ring goes on top.
template <class Option, class Draw>
void drawWithFocusRing(const QStyleOption& option, QPainter& painter, QPalette::ColorRole surface,
                       Draw draw, int inset = 0) {
    const auto* given = qstyleoption_cast<const Option*>(&option);
    if (given == nullptr) {
        draw(&option);
        return;
    }
    Option unfocused = *given;
    unfocused.state &= ~QStyle::State_HasFocus;
    unfocused.rect.adjust(inset, 0, -inset, 0);
    draw(&unfocused);
    if (focused(option)) drawFocusRing(painter, option, surface);
}

// The multi-line box (the log) has a border as wide as the ring, so that the
// ring lies beside its text area and never in it: the text area blinks.
bool isTextArea(const QWidget* widget) {
    return qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
}

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returned) const {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    if (hint == SH_MessageBox_CenterButtons) return 1;
    // Text alone, as on the message boxes: some desktops' themes put icons
    // on an input box's 确定 and 取消.
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    if (metric == PM_DefaultFrameWidth && isTextArea(widget)) return kFocusRing;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != PE_PanelLineEdit || option == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    drawWithFocusRing<QStyleOptionFrame>(
        *option, *painter, QPalette::Base, [&](const QStyleOption* unfocused) {
            QProxyStyle::drawPrimitive(element, unfocused, painter, widget);
        });
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (option == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const auto draw = [&](const QStyleOption* unfocused) {
        QProxyStyle::drawControl(element, unfocused, painter, widget);
    };
    switch (element) {
        case CE_PushButton:
            drawWithFocusRing<QStyleOptionButton>(*option, *painter, QPalette::Button, draw);
            break;
        case CE_CheckBox:
        case CE_RadioButton:
            // The box or circle sits at the very left: inside the ring, not under it.
            drawWithFocusRing<QStyleOptionButton>(*option, *painter, QPalette::Window, draw,
                                                  kFocusRing);
            break;
        case CE_ShapedFrame:
            QProxyStyle::drawControl(element, option, painter, widget);
            if (!isTextArea(widget)) break;
            if (focused(*option)) {
                drawFocusRing(*painter, *option, QPalette::Base);
            } else {
                // Fusion's line is one pixel: the rest of the border is the
                // box's own background.
                fillBorder(*painter, option->rect.adjusted(1, 1, -1, -1), kFocusRing - 1,
                           option->palette.color(QPalette::Base));
            }
            break;
        default:
            draw(option);
    }
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (control != CC_ComboBox || option == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    drawWithFocusRing<QStyleOptionComboBox>(
        *option, *painter, QPalette::Base, [&](const QStyleOption* unfocused) {
            QProxyStyle::drawComplexControl(
                control, static_cast<const QStyleOptionComplex*>(unfocused), painter, widget);
        });
}

}  // namespace qtview
