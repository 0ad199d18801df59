// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/palette.h"

#include <QFontDatabase>
#include <array>
#include <cmath>
#include <map>

namespace qtview {

namespace {

// The classic scheme, indexed by system colour number.
constexpr std::array<tk::Color, 25> kClassicScheme = {
    0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000, 0xE1FFFF};

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

QColor toQColor(tk::Color color) {
    if (tk::isSystemColor(color)) {
        const auto index = static_cast<std::size_t>(color & 0xFF);
        color = index < kClassicScheme.size() ? kClassicScheme[index] : 0xC0C0C0;
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

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

int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

int pixelsToTwips(int pixels, double dpi) {
    return static_cast<int>(std::lround(pixels * 1440.0 / dpi));
}

}  // namespace qtview
