// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace qtview {

// The hint of the control a widget shows, or none.
using HintOf = std::function<QString(const QWidget& widget)>;

// Puts the program between Qt's accessibility notices and assistive
// technology; called once, when the application is set up:
// - a password box's text-change notices carry one "*" for each character
//   instead of the characters;
// - a box's caret and selection notices go out only once the box has been
//   announced as focused: Qt sends them while the box takes the focus (it
//   selects its text), before the focus notice, and a screen reader that
//   hears of the caret first takes the box as known and never says its name;
// - a control that takes the focus first gets its hint, as it is now, as its
//   accessible description and help text, so that it is heard with the
//   control whichever of the two a screen reader reads; Shift+F1 shows no
//   bubble of it.
void mediateAccessibilityNotices(HintOf hintOf);

}  // namespace qtview
