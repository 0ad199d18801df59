// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <map>

#include "qt/look/font_faces.h"

namespace qtview {

QString installedFamilyFor(const std::string& windowsFamily) {
    static std::map<std::string, QString> chosen;
    if (auto found = chosen.find(windowsFamily); found != chosen.end()) return found->second;
    const QStringList installed = QFontDatabase::families();
    const std::vector<QString>& candidates = facesFor(windowsFamily);
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
