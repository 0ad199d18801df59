// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/event.h"
#include "toolkit/timer.h"
#include "toolkit/types.h"

namespace tk {

class Program;
class Form;

class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(Control& control, Property property) = 0;
    virtual void formChanged(Property property) = 0;
};

// What a window looks like when it is created.
struct FormDesign {
    std::string caption{};
    int width = 0;  // client area, twips
    int height = 0;
    Color back = sys::kButtonFace;
    std::string icon{};
    bool sizable = false;
    bool centred = true;
    bool inTaskBar = true;
    // Minimised by the program itself, though it shows no button for it: the
    // window manager must let it.
    bool minimizedByProgram = false;
    // What assistive technology calls a window that has no caption.
    std::string description{};
};

// A top-level window. Its position is that of the window on the screen, its
// size that of the client area, both in twips.
class Form {
public:
    Form(Program& program, std::string name, FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Program& program() const { return program_; }
    const std::string& name() const { return name_; }
    const FormDesign& design() const { return design_; }

    const std::string& caption() const { return caption_; }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    // Where the window system put the window (centring, a user's drag): no echo.
    void placedAt(int left, int top);
    bool placed() const { return placed_; }

    bool visible() const { return visible_; }
    // The first show loads the window: its load handler runs before it is
    // shown. Showing a shown window brings it to the front.
    void show();
    void hide();
    WindowState windowState() const { return state_; }
    void setWindowState(WindowState state);
    // What the window system did (a user minimising from the task bar): no echo.
    void stateSetBySystem(WindowState state) { state_ = state; }

    CommandButton* defaultButton() const { return default_; }
    void setDefaultButton(CommandButton& button);
    // Enter in the window clicks the default button, when a person could
    // click it; false when nothing was pressed.
    bool pressEnter();

    // Closing by the window system (not by the program): runs the unload handler.
    void requestClose();

    // A user can act in the window: shown, not minimised, the program running
    // and no modal box open.
    bool usable() const;

    Event onLoad{name_, "Load"};
    Event onUnload{name_, "Unload"};

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    std::vector<Control*> childrenOf(const Frame* parent) const;

    void setObserver(FormObserver* observer) { observer_ = observer; }
    void notify(Control& control, Property property);

    // Called by the program when it ends.
    void shutDown();

protected:
    template <class T>
    T& add(std::string name, const Design& design) {
        return adopt<T>(nullptr, std::move(name), design);
    }
    template <class T>
    T& add(std::string name, Frame& parent, const Design& design) {
        return adopt<T>(&parent, std::move(name), design);
    }
    Timer& addTimer(std::string name);

private:
    template <class T>
    T& adopt(Frame* parent, std::string name, const Design& design) {
        auto control = std::make_unique<T>(*this, parent, std::move(name), design);
        T& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }
    void changed(Property property);

    Program& program_;
    std::string name_;
    FormDesign design_;
    std::string caption_;
    int left_ = 0;
    int top_ = 0;
    int width_;
    int height_;
    bool placed_ = false;
    bool visible_ = false;
    bool loaded_ = false;
    WindowState state_ = WindowState::Normal;
    CommandButton* default_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    FormObserver* observer_ = nullptr;
};

}  // namespace tk
