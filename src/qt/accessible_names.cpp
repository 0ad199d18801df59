// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/accessible_names.h"

#include "toolkit/form.h"

namespace qtview {

namespace {

constexpr int kBesideTwips = 150;

bool sameRow(const tk::Control& a, const tk::Control& b) {
    return a.top() < b.top() + b.height() && b.top() < a.top() + a.height();
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

AccessibleLabel accessibleLabelFor(const tk::Control& control) {
    if (!control.description().empty()) return {control.description()};
    const tk::Control* after = nullptr;
    const tk::Control* before = nullptr;
    const tk::Control* leader = nullptr;
    for (const tk::Control* other : control.form().childrenOf(control.parent())) {
        if (other == &control || other->caption().empty() || !sameRow(*other, control)) continue;
        const int gapAfter = other->left() - (control.left() + control.width());
        const int gapBefore = control.left() - (other->left() + other->width());
        if (other->kind() == tk::Kind::Label && gapAfter >= 0 && gapAfter <= kBesideTwips) {
            after = other;
        } else if (gapBefore >= 0 && gapBefore <= kBesideTwips) {
            before = other;
        }
        if (gapBefore >= 0 && other->kind() != tk::Kind::Label &&
            (leader == nullptr || other->left() < leader->left())) {
            leader = other;
        }
    }
    if (after != nullptr) {
        const std::string unit = trimmed(after->caption());
        return {leader != nullptr ? trimmed(leader->caption()) + " " + unit : unit, after};
    }
    if (before != nullptr) {
        return {trimmed(before->caption()), before->kind() == tk::Kind::Label ? before : nullptr};
    }
    return {control.parent() != nullptr ? control.parent()->caption() : control.form().caption()};
}

}  // namespace qtview
