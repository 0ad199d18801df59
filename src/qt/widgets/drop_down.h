// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

namespace qtview {

// A drop-down list whose text field is filled with the list's own back
// colour, as designed, rather than the style's shaded button face.
class DropDownWidget : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace qtview
