// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

namespace qtview {

// A picture stretched to its box, drawn afresh for the box's size in device
// pixels, so that it is as sharp at 200 % as at 100 %.
class PictureBox : public QWidget {
public:
    PictureBox(std::string name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::string name_;
    QPixmap drawn_;
};

}  // namespace qtview
