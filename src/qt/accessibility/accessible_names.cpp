// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/accessibility/accessible_names.h"

#include "toolkit/form.h"

namespace qtview {

namespace {

// How far to the left of a box its caption may end: every caption of the
// windows stands 105 twips (7 px at 100 %) before the box or list it names,
// and the rest leaves room for a layout moved by a few twips.
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
    for (const tk::Control* other : control.form().childrenOf(control.parent())) {
        if (other == &control || other->caption().empty() || !sameRow(*other, control)) continue;
        const int gap = control.left() - (other->left() + other->width());
        if (gap >= 0 && gap <= kBesideTwips) {
            return {trimmed(other->caption()), other->kind() == tk::Kind::Label ? other : nullptr};
        }
    }
    return {control.parent() != nullptr ? control.parent()->caption() : control.form().caption()};
}

}  // namespace qtview
