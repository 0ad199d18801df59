// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/font_faces.h"

namespace qtview {

// Each face under its English and its Chinese name: Qt lists a face by the
// one or the other, depending on the system's language. 楷体_GB2312 and 隶书
// come with older Windows or with Office; KaiTi, SimSun, SimHei and
// Microsoft YaHei with every Chinese Windows 10 and 11. AR PL UKai and
// WenQuanYi Micro Hei are the free Kai and Hei faces people install where
// none of those is there.
const FaceTable& faceTable() {
    static const FaceTable table = {
        {"楷体_GB2312",
         {"KaiTi_GB2312", "楷体_GB2312", "KaiTi", "楷体", "AR PL UKai CN", "SimSun", "宋体",
          "Microsoft YaHei", "微软雅黑", "WenQuanYi Micro Hei"}},
        {"宋体",
         {"SimSun", "宋体", "NSimSun", "新宋体", "SimHei", "黑体", "Microsoft YaHei", "微软雅黑",
          "WenQuanYi Micro Hei"}},
        {"隶书",
         {"LiSu", "隶书", "KaiTi", "楷体", "AR PL UKai CN", "SimSun", "宋体", "Microsoft YaHei",
          "微软雅黑", "WenQuanYi Micro Hei"}},
        {"", {"Microsoft YaHei", "微软雅黑", "SimSun", "宋体", "WenQuanYi Micro Hei"}},
    };
    return table;
}

}  // namespace qtview
