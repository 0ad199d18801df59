// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/font_faces.h"

namespace qtview {

const std::vector<QString>& facesFor(const std::string& windowsFamily) {
    const FaceTable& table = faceTable();
    const auto row = table.find(windowsFamily);
    return row != table.end() ? row->second : table.at("");
}

}  // namespace qtview
