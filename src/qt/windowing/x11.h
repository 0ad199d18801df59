// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <xcb/xcb.h>
#include <string_view>

namespace qtview {

// The connection Qt talks to the X server on; none on Qt's other platform plugins
// (offscreen, Wayland), which answer Qt's question too.
xcb_connection_t* x11Connection();

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name);

}  // namespace qtview
