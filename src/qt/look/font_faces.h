// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <map>
#include <string>
#include <vector>

namespace qtview {

// The faces that may draw a Windows family the interface asks for
// (楷体_GB2312, 宋体, 隶书, or "" for the default), best first: where the
// program runs on Windows the real faces, elsewhere stand-ins. Each of them
// renders every Chinese character of the interface; the last is taken when
// none is installed.
const std::vector<QString>& facesFor(const std::string& windowsFamily);

// Those faces on this operating system (font_faces_linux.cpp,
// font_faces_windows.cpp), by family; the row of "" is the default.
using FaceTable = std::map<std::string, std::vector<QString>>;
const FaceTable& faceTable();

}  // namespace qtview
