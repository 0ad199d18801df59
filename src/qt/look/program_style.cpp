// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/program_style.h"

#include <QStyleFactory>

namespace qtview {

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returned) const {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    if (hint == SH_MessageBox_CenterButtons) return 1;
    // Text alone, as on the message boxes: some desktops' themes put icons
    // on an input box's 确定 and 取消.
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

}  // namespace qtview
