// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/windowing/window_frame.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "qt/look/palette.h"
#include "qt/twips.h"
#include "toolkit/form.h"
#include "toolkit/types.h"

namespace qtview {

bool hasTitleBar(const tk::FormDesign& design) {
    return !design.caption.empty() || design.sizable;
}

Qt::WindowFlags windowFlags(const tk::FormDesign& design) {
    const Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (hasTitleBar(design)) return flags | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    return flags | Qt::FramelessWindowHint;
}

int drawnBorderWidth(const tk::FormDesign& design, double dpi) {
    return hasTitleBar(design) ? 0 : twipsToPixels(45, dpi);
}

// Raised in two steps, light above and left, dark below and right, on the
// button face; the client area covers the middle.
void drawDialogBorder(QPainter& painter, const QRect& window, int width) {
    painter.fillRect(window, toQColor(tk::sys::kButtonFace));
    const struct {
        tk::Color topLeft;
        tk::Color bottomRight;
    } kSteps[] = {{tk::sys::kButtonLight, tk::sys::kButtonDarkShadow},
                  {tk::sys::kButtonHighlight, tk::sys::kButtonShadow}};
    const int lines = std::max(1, width / 3);
    QRect edge = window;
    for (const auto& step : kSteps) {
        for (int i = 0; i < lines; ++i, edge.adjust(1, 1, -1, -1)) {
            painter.setPen(toQColor(step.bottomRight));
            painter.drawLine(edge.bottomLeft(), edge.bottomRight());
            painter.drawLine(edge.topRight(), edge.bottomRight());
            painter.setPen(toQColor(step.topLeft));
            painter.drawLine(edge.topLeft(), edge.topRight());
            painter.drawLine(edge.topLeft(), edge.bottomLeft() - QPoint(0, 1));
        }
    }
}

}  // namespace qtview
