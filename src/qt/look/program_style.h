// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace qtview {

// The program's look: Fusion, whatever the desktop's theme, with password
// boxes echoing "*" as designed and boxes' buttons centred, in text alone.
//
// The control that has the keyboard focus wears a ring two pixels wide at its
// edge, black, or white on a dark control, whatever its kind and however the
// focus came to it; a check box's box and an option's circle sit inside it.
// Fusion's own marks are a faint frame, and on a button the same blue outline
// as the window's default button; those are left out, so the blue outline
// means the default button alone.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle();
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

}  // namespace qtview
