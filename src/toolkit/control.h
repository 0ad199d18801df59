// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/event.h"
#include "toolkit/types.h"

namespace tk {

class Form;
class Frame;

enum class Kind { Frame, Label, CommandButton, CheckBox, OptionButton, ComboBox, TextBox, Picture };

// A child control of a form. Every setter that changes a value tells the form's
// observer. What a person does has one way in per event (click(), mouseMove(),
// TextBox::edit(), ComboBox::choose()), whatever the route: mouse, keys,
// assistive technology or a test's user; each checks first that a person
// could reach the control at all.
class Control {
public:
    Control(Form& form, Frame* parent, std::string name, Kind kind, const Design& design);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Form& form() const { return form_; }
    Frame* parent() const { return parent_; }

    const Rect& geometry() const { return rect_; }
    int left() const { return rect_.left; }
    int top() const { return rect_.top; }
    int width() const { return rect_.width; }
    int height() const { return rect_.height; }
    void setGeometry(const Rect& rect);
    void setLeft(int v) { setGeometry({v, rect_.top, rect_.width, rect_.height}); }
    void setTop(int v) { setGeometry({rect_.left, v, rect_.width, rect_.height}); }
    void setWidth(int v) { setGeometry({rect_.left, rect_.top, v, rect_.height}); }
    void setHeight(int v) { setGeometry({rect_.left, rect_.top, rect_.width, v}); }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    Color backColor() const { return back_; }
    void setBackColor(Color color);
    Color foreColor() const { return fore_; }
    void setForeColor(Color color);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    Align alignment() const { return align_; }
    bool autoSize() const { return autoSize_; }
    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);
    int tabIndex() const { return tabIndex_; }
    const std::string& description() const { return description_; }
    // What the control is for, in one line: the hint line shows it, and
    // assistive technology says it when the control takes the focus. It is
    // asked for afresh each time, so a hint that follows the program's state
    // is always the current one.
    void setHint(std::function<std::string()> hint) { hint_ = std::move(hint); }
    std::string hint() const { return hint_ ? hint_() : std::string(); }
    // Asks for the keyboard focus, when a person could reach the control.
    void setFocus();

    // Shown and enabled all the way up to the form (the form itself not included).
    bool shownInForm() const;
    bool enabledInForm() const;
    // At least partly inside every frame around it and inside its window's
    // client area: what lies wholly outside is clipped away, out of view.
    bool inView() const;
    // Whether a person can act on the control now: in view, shown and enabled
    // all the way up, in a window that is usable (see Form::usable()).
    bool reachable() const;

    Event onClick{name_, "Click"};
    Event onMouseMove{name_, "MouseMove"};

    // A person's click and mouse move; false, with nothing done, when the
    // control cannot be reached.
    bool click();
    bool mouseMove();

protected:
    void changed(Property property);
    bool running() const;
    void fire(const Event& event) const;
    // What a click that reached the control does.
    virtual void clicked();

private:
    Form& form_;
    Frame* parent_;
    std::string name_;
    Kind kind_;
    Rect rect_;
    std::string caption_;
    bool visible_;
    bool enabled_;
    Color back_;
    Color fore_;
    Font font_;
    Align align_;
    bool autoSize_;
    MousePointer pointer_ = MousePointer::Default;
    int tabIndex_;
    std::string description_;
    std::function<std::string()> hint_;
};

class Frame : public Control {
public:
    Frame(Form& f, Frame* p, std::string n, const Design& d)
        : Control(f, p, std::move(n), Kind::Frame, d) {}
};

class Label : public Control {
public:
    Label(Form& f, Frame* p, std::string n, const Design& d)
        : Control(f, p, std::move(n), Kind::Label, d) {}
};

class CommandButton : public Control {
public:
    CommandButton(Form& f, Frame* p, std::string n, const Design& d)
        : Control(f, p, std::move(n), Kind::CommandButton, d) {}
};

class Picture : public Control {
public:
    Picture(Form& f, Frame* p, std::string n, const Design& d)
        : Control(f, p, std::move(n), Kind::Picture, d), image_(d.picture) {}
    const std::string& image() const { return image_; }

private:
    std::string image_;
};

// Value 0 unchecked, 1 checked, 2 grayed. Setting a different value from code
// runs the click handler at once; a user click goes 0 -> 1 and 1 or 2 -> 0.
class CheckBox : public Control {
public:
    CheckBox(Form& f, Frame* p, std::string n, const Design& d)
        : Control(f, p, std::move(n), Kind::CheckBox, d), value_(d.value) {}
    int value() const { return value_; }
    void setValue(int value);

protected:
    void clicked() override;

private:
    int value_;
};

// Choosing an option button clears the other option buttons of its container.
class OptionButton : public Control {
public:
    OptionButton(Form& f, Frame* p, std::string n, const Design& d)
        : Control(f, p, std::move(n), Kind::OptionButton, d), value_(d.value != 0) {}
    bool value() const { return value_; }
    void setValue(bool value);

protected:
    void clicked() override;

private:
    void select();
    bool value_;
};

// A drop-down list: the user can only pick an item. Index -1 means no
// selection, and the text is then empty.
class ComboBox : public Control {
public:
    ComboBox(Form& f, Frame* p, std::string n, const Design& d)
        : Control(f, p, std::move(n), Kind::ComboBox, d), items_(d.items) {}
    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return index_; }
    std::string text() const;
    // From code: runs the click handler when the selection changes.
    void setListIndex(int index);
    // By a person: always runs the click handler, as a pick of the same item
    // does; false when the list cannot be reached or has no such item.
    bool choose(int index);

private:
    bool store(int index);
    std::vector<std::string> items_;
    int index_ = -1;
};

// The change handler runs on every change of the text, by typing or by code.
// A password box echoes "*"; maxLength (0 = none) counts characters.
class TextBox : public Control {
public:
    TextBox(Form& f, Frame* p, std::string n, const Design& d);
    const std::string& text() const { return text_; }
    // From code.
    void setText(const std::string& text);
    // By a person, by any route (keys, paste, input method, drag and drop,
    // assistive technology); false, with the text unchanged, when the box
    // cannot be reached or is locked. A single-line box keeps the text up to
    // its first line break, without control characters (see singleLine()).
    bool edit(const std::string& text);
    bool multiLine() const { return multiLine_; }
    bool password() const { return password_; }
    int maxLength() const { return maxLength_; }
    bool locked() const { return locked_; }

    Event onChange{name(), "Change"};

private:
    std::string text_;
    bool multiLine_;
    bool password_;
    int maxLength_;
    bool locked_;
};

}  // namespace tk
