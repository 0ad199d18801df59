// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/window_frame.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>

#include "qt/palette.h"
#include "qt/twips.h"
#include "qt/x11.h"
#include "toolkit/form.h"
#include "toolkit/types.h"

namespace qtview {
namespace {

bool hasTitleBar(const tk::FormDesign& design) {
    return !design.caption.empty() || design.sizable;
}

// The Motif hints as window managers read them: flags, functions,
// decorations, input mode, status.
namespace mwm {
constexpr std::uint32_t kFunctions = 1U << 0;
constexpr std::uint32_t kDecorations = 1U << 1;
constexpr std::uint32_t kResize = 1U << 1;
constexpr std::uint32_t kMove = 1U << 2;
constexpr std::uint32_t kMinimize = 1U << 3;
constexpr std::uint32_t kClose = 1U << 5;
constexpr std::uint32_t kBorder = 1U << 1;
constexpr std::uint32_t kResizeHandle = 1U << 2;
constexpr std::uint32_t kTitle = 1U << 3;

std::array<std::uint32_t, 5> hintsFor(const tk::FormDesign& design) {
    // Closing by the system stays allowed: it reaches the window's unload
    // handler. Without a title bar there is no button for it anyway.
    std::uint32_t functions = kMove | kClose;
    // Asked of the window manager, not offered as a button: GNOME's refuses
    // to minimise a window whose hints leave it out.
    if (design.minimizedByProgram) functions |= kMinimize;
    std::uint32_t decorations = hasTitleBar(design) ? kBorder | kTitle : 0;
    if (design.sizable) {
        functions |= kResize;
        decorations |= kResizeHandle;
    }
    return {kFunctions | kDecorations, functions, decorations, 0, 0};
}
}  // namespace mwm

}  // namespace

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

void askWindowManager(QWidget& window, const tk::FormDesign& design) {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t motif = atom(connection, "_MOTIF_WM_HINTS");
    const auto hints = mwm::hintsFor(design);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, motif, motif, 32, hints.size(),
                        hints.data());
    if (!design.inTaskBar) {
        // Qt keeps these when it adds its own states at mapping time.
        const std::array<xcb_atom_t, 2> skip{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                             atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id,
                            atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, skip.size(),
                            skip.data());
    }
    xcb_flush(connection);
}

}  // namespace qtview
