// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLineEdit;

namespace qtview {

// A box that takes a password: it echoes "*" and takes the keys typed as
// they are. An input method would compose them into something else (pinyin
// "wang" into 王) and show the letters in clear in its candidate window, so
// it is switched off here; Qt leaves it on for password boxes.
void makePasswordBox(QLineEdit& edit);

}  // namespace qtview
