// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <map>

#include "qt/font_faces.h"

namespace qtview {

// Debian's CJK faces: AR PL's brush-drawn Kai for the display faces.
const std::vector<QString>& facesFor(const std::string& windowsFamily) {
    static const std::map<std::string, std::vector<QString>> table = {
        {"楷体_GB2312", {"AR PL UKai CN", "AR PL KaitiM GB", "Noto Serif CJK SC"}},
        {"宋体", {"Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"}},
        {"隶书", {"AR PL UKai CN", "Noto Serif CJK SC"}},
        {"", {"Noto Sans CJK SC", "WenQuanYi Zen Hei", "AR PL UMing CN"}},
    };
    const auto row = table.find(windowsFamily);
    return row != table.end() ? row->second : table.at("");
}

}  // namespace qtview
