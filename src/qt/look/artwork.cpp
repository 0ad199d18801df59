// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace qtview {

namespace {

void drawBamboo(QPainter& p, double x, double top, double bottom, double width, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(x, top, width, bottom - top));
    p.setPen(QPen(colour.darker(160), 1.2));
    for (double y = top + 28; y < bottom; y += 34) p.drawLine(QPointF(x, y), QPointF(x + width, y));
}

void drawLeaf(QPainter& p, QPointF from, double angle, double length, QColor colour) {
    p.save();
    p.translate(from);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length / 2, -length / 6, length, 0);
    leaf.quadTo(length / 2, length / 6, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(leaf);
    p.restore();
}

// Bamboo under a moon at dusk, with a white egret in flight; 151 x 205.
void paintSplash(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 205);
    sky.setColorAt(0, QColor(18, 28, 60));
    sky.setColorAt(0.7, QColor(60, 70, 110));
    sky.setColorAt(1, QColor(150, 110, 90));
    p.fillRect(QRectF(0, 0, 151, 205), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 240, 200));
    p.drawEllipse(QPointF(108, 42), 20, 20);
    drawBamboo(p, 22, 0, 205, 9, QColor(60, 140, 80));
    drawBamboo(p, 44, 20, 205, 7, QColor(80, 160, 90));
    drawBamboo(p, 128, 60, 205, 8, QColor(50, 120, 70));
    const QColor leafColour(90, 180, 100);
    for (int i = 0; i < 6; ++i) {
        drawLeaf(p, QPointF(31, 40 + i * 26), -20 - i * 7, 34, leafColour);
        drawLeaf(p, QPointF(44, 55 + i * 24), 200 + i * 6, 30, leafColour.darker(115));
    }
    p.setPen(QPen(QColor(245, 245, 245), 2.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath egret;
    egret.moveTo(70, 110);
    egret.quadTo(82, 96, 94, 108);
    egret.quadTo(104, 94, 118, 102);
    p.setBrush(Qt::NoBrush);
    p.drawPath(egret);
}

// A three-by-three board of warm tiles, each asking its question (the
// picture must not give the puzzle away); 352 x 288.
void paintGame(QPainter& p) {
    p.fillRect(QRectF(0, 0, 352, 288), QColor(255, 128, 0));
    QFont font = p.font();
    font.setPixelSize(52);
    font.setBold(true);
    p.setFont(font);
    for (int i = 0; i < 9; ++i) {
        const QRectF tile(40 + (i % 3) * 92, 10 + (i / 3) * 92, 84, 84);
        p.setPen(QPen(QColor(120, 50, 0), 2));
        p.setBrush(i % 2 == 0 ? QColor(255, 235, 120) : QColor(255, 205, 90));
        p.drawRoundedRect(tile, 10, 10);
        p.setPen(QColor(150, 60, 0));
        p.drawText(tile, Qt::AlignCenter, "?");
    }
}

// A clock face on a bamboo-green disc, showing ten past twelve; 32 x 32.
// data/icons/cn.zhongyue.ZhongYue.svg is the same drawing for desktops that
// take a scalable icon.
void paintIcon(QPainter& p) {
    const QPointF centre(16, 16);
    QRadialGradient disc(QPointF(12, 10), 20);
    disc.setColorAt(0, QColor(0x78, 0xc8, 0x78));
    disc.setColorAt(1, QColor(0x1e, 0x6e, 0x3c));
    p.setPen(QPen(QColor(0x14, 0x46, 0x28), 1.5));
    p.setBrush(disc);
    p.drawEllipse(centre, 14.5, 14.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfa, 0xfa, 0xf0));
    p.drawEllipse(centre, 10, 10);
    p.setPen(QPen(QColor(0x28, 0x28, 0x28), 1));
    for (int hour = 0; hour < 12; ++hour) {
        const double angle = hour * std::numbers::pi / 6;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        p.drawLine(centre + 8 * direction, centre + 9.5 * direction);
    }
    p.setPen(QPen(QColor(0x14, 0x14, 0x14), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, QPointF(16, 9.5));
    p.drawLine(centre, QPointF(20.5, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0x28, 0x28));
    p.drawEllipse(centre, 1.5, 1.5);
}

struct Drawing {
    QSize natural;
    void (*paint)(QPainter&);
};

const Drawing* drawingNamed(const std::string& name) {
    static const Drawing icon{{32, 32}, paintIcon};
    static const Drawing splash{{151, 205}, paintSplash};
    static const Drawing game{{352, 288}, paintGame};
    if (name == "icon") return &icon;
    if (name == "splash") return &splash;
    if (name == "game") return &game;
    return nullptr;
}

}  // namespace

QPixmap artwork(const std::string& name, QSize pixels) {
    const Drawing* drawing = drawingNamed(name);
    if (drawing == nullptr) return {};
    if (pixels.isEmpty()) pixels = drawing->natural;
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<qreal>(pixels.width()) / drawing->natural.width(),
                  static_cast<qreal>(pixels.height()) / drawing->natural.height());
    drawing->paint(painter);
    return pixmap;
}

QPixmap iconAt(int size) {
    return artwork("icon", QSize(size, size));
}

QIcon windowIcon(const std::string& name) {
    if (name != "icon") return {};
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(iconAt(size));
    return icon;
}

}  // namespace qtview
