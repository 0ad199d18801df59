// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/text_fit.h"

#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <functional>

#include "qt/look/fonts.h"

namespace qtview {

namespace {

// The designed font, or the largest of its sizes down to 6 points, by half
// points, in which the text fits.
QFont largestFitting(QFont font, const std::function<bool(const QFont&)>& fits) {
    while (font.pointSizeF() > 6 && !fits(font)) font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

}  // namespace

void fitLabelText(QLabel& label, const QFont& designed) {
    if (label.text().isEmpty()) return;
    const QRect room = label.contentsRect();
    const int flags = static_cast<int>(label.alignment()) | Qt::TextWordWrap;
    const QFont fitted = largestFitting(designed, [&](const QFont& font) {
        // The lines' box holds their ink: where it fits, nothing need be drawn.
        if (room.contains(QFontMetrics(font).boundingRect(room, flags, label.text()))) return true;
        const QRect ink = inkOf(font, room, flags, label.text(), label.devicePixelRatioF());
        return ink.isNull() || room.contains(ink);
    });
    if (label.font() != fitted) label.setFont(fitted);
}

void fitFrameCaption(QGroupBox& frame, const QFont& designed) {
    if (frame.title().isEmpty()) return;
    const QFont fitted = largestFitting(designed, [&frame](const QFont& font) {
        QStyleOptionGroupBox option;
        option.initFrom(&frame);
        option.fontMetrics = QFontMetrics(font);
        option.text = frame.title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, &frame);
        const QList<QWidget*> inside = frame.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const auto clearOf = [&inside](const QRect& text) {
            return std::none_of(inside.begin(), inside.end(), [&text](const QWidget* w) {
                return w->geometry().intersects(text);
            });
        };
        // The caption's box holds its ink: where nothing covers the box, nothing
        // need be drawn.
        return clearOf(title) ||
               clearOf(inkOf(font, title, Qt::AlignLeft, frame.title(), frame.devicePixelRatioF()));
    });
    if (frame.font() != fitted) frame.setFont(fitted);
}

}  // namespace qtview
