#include "qt/accessible_names.h"

#include <algorithm>

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

std::string accessibleNameFor(const tk::Control& control) {
    const tk::Control* after = nullptr;
    const tk::Control* before = nullptr;
    for (const tk::Control* other : control.form().childrenOf(control.parent())) {
        if (other == &control || other->caption().empty() || !sameRow(*other, control)) continue;
        const int gapAfter = other->left() - (control.left() + control.width());
        const int gapBefore = control.left() - (other->left() + other->width());
        if (other->kind() == tk::Kind::Label && gapAfter >= 0 && gapAfter <= kBesideTwips) {
            after = other;
        } else if (gapBefore >= 0 && gapBefore <= kBesideTwips) {
            before = other;
        }
    }
    if (after != nullptr) return trimmed(after->caption());
    if (before != nullptr) return trimmed(before->caption());
    return control.parent() != nullptr ? control.parent()->caption() : control.form().caption();
}

}  // namespace qtview
