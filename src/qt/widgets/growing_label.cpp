// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/widgets/growing_label.h"

#include <QPainter>
#include <QtMath>

namespace qtview {

QSize GrowingLabel::sizeHint() const {
    const QSizeF text = line().size();
    const QMargins margins = contentsMargins();
    return {qCeil(text.width()) + margins.left() + margins.right(),
            qCeil(text.height()) + margins.top() + margins.bottom()};
}

void GrowingLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QSizeF size = line().size();
    const QRect area = contentsRect();
    const Qt::Alignment align = alignment();
    qreal x = area.left();
    if (align & Qt::AlignHCenter) x += (area.width() - size.width()) / 2;
    if (align & Qt::AlignRight) x += area.width() - size.width();
    qreal y = area.top() + (area.height() - size.height()) / 2;
    if (align & Qt::AlignTop) y = area.top();
    if (align & Qt::AlignBottom) y = area.bottom() + 1 - size.height();
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawStaticText(QPointF(x, y), line());
}

const QStaticText& GrowingLabel::line() const {
    if (line_.text() != text() || lineFont_ != font()) {
        line_.setText(text());
        line_.setTextFormat(Qt::PlainText);
        line_.prepare(QTransform(), font());
        lineFont_ = font();
    }
    return line_;
}

}  // namespace qtview
