// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/widgets/picture_box.h"

#include <QPainter>
#include <utility>

#include "qt/look/artwork.h"

namespace qtview {

PictureBox::PictureBox(std::string name, QWidget* parent)
    : QWidget(parent), name_(std::move(name)) {}

void PictureBox::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (drawn_.size() != pixels) {
        drawn_ = artwork(name_, pixels);
        drawn_.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(0, 0, drawn_);
}

}  // namespace qtview
