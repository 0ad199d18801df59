// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace qtview {

// The program's look: Fusion, whatever the desktop's theme, with password
// boxes echoing "*" as designed and boxes' buttons centred, in text alone.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle();
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
};

}  // namespace qtview
