// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <map>
#include <vector>

namespace qtview {

namespace {

const std::map<std::string, std::vector<QString>>& standIns() {
    static const std::map<std::string, std::vector<QString>> table = {
        {"楷体_GB2312", {"AR PL UKai CN", "AR PL KaitiM GB", "Noto Serif CJK SC"}},
        {"宋体", {"Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"}},
        {"隶书", {"AR PL UKai CN", "Noto Serif CJK SC"}},
        {"", {"Noto Sans CJK SC", "WenQuanYi Zen Hei", "AR PL UMing CN"}},
    };
    return table;
}

}  // namespace

QString installedFamilyFor(const std::string& windowsFamily) {
    static std::map<std::string, QString> chosen;
    if (auto found = chosen.find(windowsFamily); found != chosen.end()) return found->second;
    const QStringList installed = QFontDatabase::families();
    const auto& table = standIns();
    const auto row = table.find(windowsFamily);
    const auto& candidates = row != table.end() ? row->second : table.at("");
    QString family = candidates.back();
    for (const QString& candidate : candidates) {
        if (installed.contains(candidate)) {
            family = candidate;
            break;
        }
    }
    return chosen[windowsFamily] = family;
}

QFont toQFont(const tk::Font& font) {
    QFont q(installedFamilyFor(font.family));
    q.setPointSizeF(font.points);
    q.setBold(font.bold);
    return q;
}

}  // namespace qtview
