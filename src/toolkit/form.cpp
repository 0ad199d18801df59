// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/form.h"

#include "toolkit/program.h"

namespace tk {

Form::Form(Program& program, std::string name, FormDesign design)
    : program_(program),
      name_(std::move(name)),
      design_(std::move(design)),
      caption_(design_.caption),
      width_(design_.width),
      height_(design_.height) {
    program_.adopt(*this);
}

Form::~Form() {
    program_.release(*this);
}

void Form::changed(Property property) {
    if (observer_ != nullptr) observer_->formChanged(property);
}

void Form::notify(Control& control, Property property) {
    if (observer_ != nullptr) observer_->controlChanged(control, property);
}

void Form::setLeft(int v) {
    if (v == left_) return;
    left_ = v;
    changed(Property::Geometry);
}

void Form::setTop(int v) {
    if (v == top_) return;
    top_ = v;
    changed(Property::Geometry);
}

void Form::setWidth(int v) {
    if (v == width_) return;
    width_ = v;
    changed(Property::Geometry);
}

void Form::setHeight(int v) {
    if (v == height_) return;
    height_ = v;
    changed(Property::Geometry);
}

void Form::placedAt(int left, int top) {
    left_ = left;
    top_ = top;
    placed_ = true;
}

void Form::show() {
    if (program_.ended()) return;
    if (!loaded_) {
        loaded_ = true;
        onLoad();
        if (program_.ended()) return;
    }
    // Shown again, it comes to the front.
    visible_ = true;
    changed(Property::Visible);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    changed(Property::Visible);
}

void Form::setWindowState(WindowState state) {
    if (state == state_) return;
    state_ = state;
    changed(Property::WindowState);
}

void Form::setDefaultButton(CommandButton& button) {
    if (&button == default_) return;
    default_ = &button;
    changed(Property::DefaultButton);
}

bool Form::usable() const {
    return visible_ && state_ == WindowState::Normal && !program_.ended() && !program_.modalOpen();
}

bool Form::pressEnter() {
    return default_ != nullptr && default_->click();
}

void Form::requestClose() {
    if (program_.ended()) return;
    if (onUnload.bound()) {
        onUnload();
    } else {
        hide();
    }
}

Timer& Form::addTimer(std::string name) {
    timers_.push_back(std::make_unique<Timer>(*this, std::move(name)));
    return *timers_.back();
}

std::vector<Control*> Form::childrenOf(const Frame* parent) const {
    std::vector<Control*> children;
    for (const auto& control : controls_) {
        if (control->parent() == parent) children.push_back(control.get());
    }
    return children;
}

void Form::shutDown() {
    for (const auto& timer : timers_) timer->stop();
    hide();
}

}  // namespace tk
