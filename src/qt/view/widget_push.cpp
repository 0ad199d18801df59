// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "qt/look/fonts.h"
#include "qt/look/palette.h"
#include "qt/look/text_fit.h"
#include "qt/model_text.h"
#include "qt/twips.h"
#include "qt/view/widgets.h"
#include "qt/widgets/text_area.h"

namespace qtview {

namespace {

// The part of a widget that its window shows: its rectangle, clipped by each
// widget around it in turn, in its own coordinates.
QRect shownPart(const QWidget& widget) {
    QRect part = widget.rect();
    QPoint origin;
    for (const QWidget* w = &widget; !w->isWindow(); w = w->parentWidget()) {
        origin += w->pos();
        part &= w->parentWidget()->rect().translated(-origin);
    }
    return part;
}

// A label draws its text in the part of it that is shown: one that reaches
// past its window's edge (the game's rules) keeps its text inside the window.
// Whether that part changed.
bool drawInShownPart(QLabel& label) {
    const QRect whole = label.rect();
    QRect room = shownPart(label);
    if (room.isEmpty()) room = whole;  // out of view: drawn whole once in view
    const QMargins margins(room.left() - whole.left(), room.top() - whole.top(),
                           whole.right() - room.right(), whole.bottom() - room.bottom());
    if (label.contentsMargins() == margins) return false;
    label.setContentsMargins(margins);
    return true;
}

// A disabled control is greyed, except a locked box (the log) that is
// disabled only by its frame: it takes no input either way, and its colours
// are chosen to be seen, also while a panel holds its frame disabled. A
// locked box disabled itself (a filled cell of the game) is greyed as usual.
bool keepsColoursWhenDisabled(const tk::Control& control) {
    return control.kind() == tk::Kind::TextBox && control.enabled() &&
           static_cast<const tk::TextBox&>(control).locked();
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
        palette.setColor(QPalette::Disabled, role,
                         keepsColoursWhenDisabled(control) ? fore : QColor(128, 128, 128));
    }
    // The log changes its text colour three times a second while it blinks:
    // only its text area is drawn again then, from a picture once it has one.
    // Its thin border follows the background colour alone, and its scroll
    // bars keep palettes of their own, so the whole-widget update is held back.
    if (auto* area = dynamic_cast<TextArea*>(&widget)) {
        const bool borderChanges = area->palette().color(QPalette::Window) != back;
        area->setAttribute(Qt::WA_UpdatesDisabled, true);
        area->setPalette(palette);
        area->setAttribute(Qt::WA_UpdatesDisabled, false);
        area->keepLook();
        area->viewport()->update();
        if (borderChanges) area->update(area->borderRegion());
    } else {
        widget.setPalette(palette);
    }
    // Buttons draw their own face, a box's viewport fills itself, and a
    // picture lets what is behind it show through its transparent parts.
    widget.setAutoFillBackground(control.kind() != tk::Kind::CommandButton &&
                                 control.kind() != tk::Kind::TextBox &&
                                 control.kind() != tk::Kind::Picture);
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
    const QString caption = toQString(control.caption());
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (control.kind() == tk::Kind::Label) {
            // A label says its text; while it has none (the hint line before
            // the first hint), what it is, not the frame's caption Qt would take.
            label->setAccessibleName(caption.isEmpty() ? toQString(control.description())
                                                       : QString());
            label->setText(caption);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        frame->setTitle(caption);
        frame->setAccessibleName(caption);
    }
    if (control.autoSize()) pushGeometry(control, widget, dpi);
}

void pushText(const tk::TextBox& box, QWidget& widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        if (edit->text() != toQString(box.text())) edit->setText(toQString(box.text()));
    } else if (auto* area = dynamic_cast<TextArea*>(&widget)) {
        area->showModelText(box.text());
    }
}

void pushValue(const tk::Control& control, QWidget& widget) {
    if (control.kind() == tk::Kind::CheckBox) {
        static const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        const int value = static_cast<const tk::CheckBox&>(control).value();
        static_cast<QCheckBox&>(widget).setCheckState(states[value >= 0 && value <= 2 ? value : 0]);
    } else if (control.kind() == tk::Kind::OptionButton) {
        // Qt keeps one option of a frame checked; the model may have none.
        auto& option = static_cast<QRadioButton&>(widget);
        option.setAutoExclusive(false);
        option.setChecked(static_cast<const tk::OptionButton&>(control).value());
        option.setAutoExclusive(true);
    }
}

void pushItems(const tk::ComboBox& combo, QComboBox& widget) {
    widget.clear();
    for (const std::string& item : combo.items()) widget.addItem(toQString(item));
    widget.setCurrentIndex(combo.listIndex());
}

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
            if (control.kind() == tk::Kind::TextBox) pushColours(control, widget);
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
        case tk::Property::Focus:
            widget.setFocus(Qt::OtherFocusReason);
            break;
        case tk::Property::WindowState:
        case tk::Property::DefaultButton:
            break;
    }
}
}  // namespace

void pushProperty(tk::Control& control, QWidget& widget, tk::Property property, double dpi) {
    const QSignalBlocker blocker(&widget);
    pushOne(control, widget, property, dpi);
    if (property != tk::Property::Caption && property != tk::Property::Geometry &&
        property != tk::Property::Font) {
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(&widget);
        label != nullptr && control.kind() == tk::Kind::Label) {
        if (property == tk::Property::Geometry) drawInShownPart(*label);
        if (!control.autoSize()) fitLabelText(*label, toQFont(control.font()));
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget);
               frame != nullptr && property != tk::Property::Geometry) {
        fitFrameCaption(*frame, toQFont(control.font()));
    }
}

void keepTextShown(const tk::Control& control, QWidget& widget) {
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        fitFrameCaption(*frame, toQFont(control.font()));
    }
    auto* label = qobject_cast<QLabel*>(&widget);
    if (label == nullptr || control.kind() != tk::Kind::Label || control.autoSize()) return;
    if (drawInShownPart(*label)) fitLabelText(*label, toQFont(control.font()));
}

void pushAll(tk::Control& control, QWidget& widget, double dpi) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setAlignment(toQt(control.alignment()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->setAlignment(toQt(control.alignment()));
    }
    // The caption after the geometry: a label's text is fitted once, to its
    // own size, not first to a new widget's default one.
    for (tk::Property property :
         {tk::Property::Font, tk::Property::Geometry, tk::Property::Caption,
          tk::Property::BackColor, tk::Property::Value, tk::Property::MousePointer,
          tk::Property::Enabled, tk::Property::Visible}) {
        pushProperty(control, widget, property, dpi);
    }
    if (control.kind() == tk::Kind::TextBox) pushProperty(control, widget, tk::Property::Text, dpi);
    if (control.kind() == tk::Kind::ComboBox) {
        // A list's items are fixed when it is made: pushed once, here.
        const QSignalBlocker blocker(&widget);
        pushItems(static_cast<tk::ComboBox&>(control), static_cast<QComboBox&>(widget));
    }
}

}  // namespace qtview
