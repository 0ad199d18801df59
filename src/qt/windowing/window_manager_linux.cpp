// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QWidget>
#include <array>
#include <cstdint>

#include "qt/windowing/window_frame.h"
#include "qt/windowing/window_manager.h"
#include "qt/windowing/x11.h"
#include "toolkit/form.h"

namespace qtview {
namespace {

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

void setFrameAndTaskBarHints(QWidget& window, const tk::FormDesign& design) {
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

// The window manager puts a box newly mapped in front itself, and decides
// whether it takes the keyboard from another program: asking it to activate
// the box would only make a window manager that prevents focus stealing
// mark the box instead (GNOME's "is ready"), as the urgency hint does.
void bringToFront(QWidget&) {}

// The urgency hint: the task bar marks the window until it is activated.
void askForAttention(QWidget& window) {
    QApplication::alert(&window);
}

}  // namespace qtview
