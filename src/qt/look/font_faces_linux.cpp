// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/font_faces.h"

namespace qtview {

// Debian's CJK faces: AR PL's brush-drawn Kai for the display faces.
const FaceTable& faceTable() {
    static const FaceTable table = {
        {"楷体_GB2312", {"AR PL UKai CN", "AR PL KaitiM GB", "Noto Serif CJK SC"}},
        {"宋体", {"Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"}},
        {"隶书", {"AR PL UKai CN", "Noto Serif CJK SC"}},
        {"", {"Noto Sans CJK SC", "WenQuanYi Zen Hei", "AR PL UMing CN"}},
    };
    return table;
}

}  // namespace qtview
