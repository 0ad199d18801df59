// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "toolkit/control.h"

namespace qtview {

// The widget that shows a control of the given kind, with the signals of real
// user actions led into the control's one way in for each event.
QWidget* createWidget(tk::Control& control, QWidget* parent);

// Pushes one property of the control into its widget. The widget's signals are
// blocked meanwhile, so a push is never echoed back as a user event.
void pushProperty(tk::Control& control, QWidget& widget, tk::Property property, double dpi);

// Pushes everything.
void pushAll(tk::Control& control, QWidget& widget, double dpi);

// Text stays whole where it is shown: a label's in the part of the label its
// window shows, which follows the frames and the window around it; a frame's
// caption clear of the controls inside it. Called again when those change.
void keepTextShown(const tk::Control& control, QWidget& widget);

}  // namespace qtview
