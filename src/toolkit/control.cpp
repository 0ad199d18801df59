// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/control.h"

#include <algorithm>

#include "toolkit/form.h"
#include "toolkit/program.h"
#include "toolkit/text.h"

namespace tk {

namespace {

Color defaultBack(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::ComboBox ? sys::kWindow : sys::kButtonFace;
}

Color defaultFore(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::ComboBox ? sys::kWindowText : sys::kButtonText;
}

}  // namespace

Control::Control(Form& form, Frame* parent, std::string name, Kind kind, const Design& d)
    : form_(form),
      parent_(parent),
      name_(std::move(name)),
      kind_(kind),
      rect_(d.at),
      caption_(kind == Kind::TextBox ? std::string() : d.caption),
      visible_(d.visible),
      enabled_(d.enabled),
      back_(d.back.value_or(defaultBack(kind))),
      fore_(d.fore.value_or(defaultFore(kind))),
      font_(d.font.value_or(Font{})),
      align_(d.align),
      autoSize_(d.autoSize),
      tabIndex_(d.tabIndex),
      description_(d.description) {}

void Control::changed(Property property) {
    form_.notify(*this, property);
}

bool Control::running() const {
    return !form_.program().ended();
}

void Control::fire(const Event& event) const {
    if (running()) event();
}

void Control::setGeometry(const Rect& rect) {
    if (rect == rect_) return;
    rect_ = rect;
    changed(Property::Geometry);
}

void Control::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    changed(Property::Caption);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed(Property::Visible);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed(Property::Enabled);
}

void Control::setBackColor(Color color) {
    if (color == back_) return;
    back_ = color;
    changed(Property::BackColor);
}

void Control::setForeColor(Color color) {
    if (color == fore_) return;
    fore_ = color;
    changed(Property::ForeColor);
}

void Control::setFont(const Font& font) {
    if (font == font_) return;
    font_ = font;
    changed(Property::Font);
}

void Control::setMousePointer(MousePointer pointer) {
    if (pointer == pointer_) return;
    pointer_ = pointer;
    changed(Property::MousePointer);
}

void Control::setFocus() {
    if (reachable()) changed(Property::Focus);
}

bool Control::shownInForm() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_) return false;
    }
    return true;
}

bool Control::enabledInForm() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->enabled_) return false;
    }
    return true;
}

bool Control::inView() const {
    // The control's rectangle, clipped by each container in turn, in that
    // container's coordinates.
    int left = rect_.left;
    int top = rect_.top;
    int right = left + rect_.width;
    int bottom = top + rect_.height;
    auto clipTo = [&](int width, int height) {
        left = std::max(left, 0);
        top = std::max(top, 0);
        right = std::min(right, width);
        bottom = std::min(bottom, height);
        return left < right && top < bottom;
    };
    for (const Control* frame = parent_; frame != nullptr; frame = frame->parent_) {
        if (!clipTo(frame->width(), frame->height())) return false;
        left += frame->left();
        right += frame->left();
        top += frame->top();
        bottom += frame->top();
    }
    return clipTo(form_.width(), form_.height());
}

bool Control::reachable() const {
    return form_.usable() && shownInForm() && enabledInForm() && inView();
}

bool Control::click() {
    if (!reachable()) return false;
    clicked();
    return true;
}

bool Control::mouseMove() {
    if (!reachable()) return false;
    fire(onMouseMove);
    return true;
}

void Control::clicked() {
    fire(onClick);
}

void CheckBox::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    changed(Property::Value);
    fire(onClick);
}

void CheckBox::clicked() {
    value_ = value_ == 0 ? 1 : 0;
    changed(Property::Value);
    fire(onClick);
}

void OptionButton::select() {
    for (Control* sibling : form().childrenOf(parent())) {
        if (sibling == this || sibling->kind() != Kind::OptionButton) continue;
        auto* other = static_cast<OptionButton*>(sibling);
        if (other->value_) {
            other->value_ = false;
            other->changed(Property::Value);
        }
    }
    if (!value_) {
        value_ = true;
        changed(Property::Value);
    }
}

void OptionButton::setValue(bool value) {
    if (value == value_) return;
    if (!value) {
        value_ = false;
        changed(Property::Value);
        return;
    }
    select();
    fire(onClick);
}

void OptionButton::clicked() {
    select();
    fire(onClick);
}

std::string ComboBox::text() const {
    return index_ >= 0 && index_ < static_cast<int>(items_.size()) ? items_[index_] : std::string();
}

bool ComboBox::store(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (index == index_) return false;
    index_ = index;
    changed(Property::ListIndex);
    return true;
}

void ComboBox::setListIndex(int index) {
    if (store(index)) fire(onClick);
}

bool ComboBox::choose(int index) {
    if (!reachable() || index < 0 || index >= static_cast<int>(items_.size())) return false;
    store(index);
    fire(onClick);
    return true;
}

TextBox::TextBox(Form& f, Frame* p, std::string n, const Design& d)
    : Control(f, p, std::move(n), Kind::TextBox, d),
      text_(d.caption),
      multiLine_(d.multiLine),
      password_(d.password),
      maxLength_(d.maxLength),
      locked_(d.locked) {}

void TextBox::setText(const std::string& text) {
    std::string limited =
        maxLength_ > 0 ? firstCharacters(text, static_cast<std::size_t>(maxLength_)) : text;
    if (limited == text_) return;
    text_ = std::move(limited);
    changed(Property::Text);
    fire(onChange);
}

bool TextBox::edit(const std::string& text) {
    if (!reachable() || locked_) return false;
    setText(multiLine_ ? text : singleLine(text));
    return true;
}

}  // namespace tk
