#include "toolkit/testing/user.h"

#include <algorithm>

namespace tk::testing {

namespace {

// Whether the control's centre lies inside every frame around it and inside
// the window's client area: what is outside is clipped away, out of reach.
bool centreOnScreen(const Control& control) {
    int x = control.left() + control.width() / 2;
    int y = control.top() + control.height() / 2;
    for (const Control* frame = control.parent(); frame != nullptr; frame = frame->parent()) {
        if (x < 0 || y < 0 || x >= frame->width() || y >= frame->height()) return false;
        x += frame->left();
        y += frame->top();
    }
    const Form& form = control.form();
    return x >= 0 && y >= 0 && x < form.width() && y < form.height();
}

}  // namespace

bool User::canReach(const Control& control) {
    return control.form().usable() && control.shownInForm() && control.enabledInForm() &&
           centreOnScreen(control);
}

bool User::click(Control& control) {
    if (!canReach(control)) return false;
    control.click();
    return true;
}

bool User::hover(Control& control) {
    if (!canReach(control)) return false;
    control.mouseMove();
    return true;
}

bool User::type(TextBox& box, const std::string& text) {
    if (!canReach(box) || box.locked()) return false;
    box.setText(box.text() + text);
    return true;
}

bool User::retype(TextBox& box, const std::string& text) {
    if (!canReach(box) || box.locked()) return false;
    box.setText(text);
    return true;
}

bool User::choose(ComboBox& combo, int index) {
    if (!canReach(combo) || index < 0 || index >= static_cast<int>(combo.items().size())) {
        return false;
    }
    combo.choose(index);
    return true;
}

bool User::choose(ComboBox& combo, const std::string& item) {
    const auto& items = combo.items();
    const auto found = std::find(items.begin(), items.end(), item);
    return found != items.end() && choose(combo, static_cast<int>(found - items.begin()));
}

bool User::pressEnter(Form& form) {
    CommandButton* button = form.defaultButton();
    if (button == nullptr || !canReach(*button)) return false;
    form.pressEnter();
    return true;
}

}  // namespace tk::testing
