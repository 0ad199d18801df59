// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace qtview::testing {

// Answers a box as a person pressing Enter would: 确定. The tests, the
// benchmarks and the screenshot script call it from the observer of shown
// boxes (QtDialogs::observeShownBoxes).
inline void pressOk(QDialog& box) {
    if (auto* message = qobject_cast<QMessageBox*>(&box)) {
        message->defaultButton()->click();
    } else {
        box.accept();
    }
}

}  // namespace qtview::testing
