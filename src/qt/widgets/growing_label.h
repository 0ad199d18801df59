// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QLabel>
#include <QStaticText>

namespace qtview {

// A label that grows with its one line of text (the heading that shows the
// clock). The line is laid out once when the text or font changes, and both
// the label's size and its painting use that layout: the clock's label is
// drawn every second.
class GrowingLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const QStaticText& line() const;

    mutable QStaticText line_;
    mutable QFont lineFont_;
};

}  // namespace qtview
