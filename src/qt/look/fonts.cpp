// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QtMath>
#include <algorithm>
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

QRect inkOf(const QFont& font, const QRect& rect, int flags, const QString& text, qreal ratio) {
    // Drawn as the label or the style draws it, with room around it for
    // what would be cut off.
    const QRect lines = QFontMetrics(font).boundingRect(rect, flags, text);
    QRect canvas = lines.united(rect).adjusted(-8, -8, 8, 8);
    // The widget's origin on a whole pixel of the screen, as where it is
    // drawn: four pixels are whole at 125, 150 and 175 % as well, and a glyph
    // drawn a fraction of a pixel lower inks another row.
    canvas.setTopLeft(QPoint(canvas.left() & ~3, canvas.top() & ~3));
    QImage image(canvas.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.translate(-canvas.topLeft());
    painter.drawText(rect, flags | Qt::TextDontClip, text);
    painter.end();
    // A pixel counts from a quarter inked: the faintest edge of a stroke is no text.
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) < 64) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRect(QPoint(qFloor(left / ratio), qFloor(top / ratio)),
                 QPoint(qCeil((right + 1) / ratio) - 1, qCeil((bottom + 1) / ratio) - 1))
        .translated(canvas.topLeft());
}

}  // namespace qtview
