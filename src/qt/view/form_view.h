// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "toolkit/form.h"

namespace qtview {

class FormWindow;

// The real window of a form: one widget per control, kept in step with the
// model by observing it. Positions and sizes follow the model's twips at the
// screen's logical DPI, so the window is right at any screen scale. It comes
// first centred on the home screen (the one that holds the program's main
// window, or the primary one), and stays whole on its screen's work area.
class FormView : public tk::FormObserver {
public:
    explicit FormView(tk::Form& form, std::function<const QScreen*()> homeScreen = {});
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    QWidget& window();
    QWidget* widget(const tk::Control& control) const;

    void controlChanged(tk::Control& control, tk::Property property) override;
    void formChanged(tk::Property property) override;

private:
    void build();
    void applyTabOrder();
    void linkLabelsToTheirBoxes();
    void keepFocusInView();
    void keepLabelTextsShown();
    void pushTitle();
    void pushWindowGeometry();
    QPoint framePositionToShow();
    void showWindow();
    void centreOnFirstShow();
    void followScale();
    void fitTextsAgain();

    tk::Form& form_;
    std::function<const QScreen*()> homeScreen_;
    double dpi_ = 96;
    std::unique_ptr<FormWindow> window_;
    // Where the controls live: the window itself, or the area inside the
    // border the window draws.
    QWidget* client_ = nullptr;
    std::map<const tk::Control*, QWidget*> widgets_;
    std::map<const tk::Control*, Qt::FocusPolicy> designedFocus_;
    bool focusCheckPending_ = false;
    bool followingScale_ = false;
    QMetaObject::Connection screenScale_;
};

}  // namespace qtview
