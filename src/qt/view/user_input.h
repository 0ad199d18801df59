// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "toolkit/control.h"

namespace qtview {

// Leads every route by which a person can act on the widget (mouse, keys,
// input method, drag and drop, assistive technology) into the control's one
// way in for that event, where the model decides whether the control could
// be reached at all. Afterwards the widget shows the model's value, whatever
// the route had made of it.
void leadInputToModel(tk::Control& control, QWidget& widget);

// The control a widget shows, or null for a widget that shows none (a part of
// a control such as a scroll bar, or the window itself).
tk::Control* controlOf(const QWidget* widget);

}  // namespace qtview
