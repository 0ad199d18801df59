// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/services/lifetime.h"

#include <QCoreApplication>

namespace qtview {

void QtLifetime::endProcess() {
    QCoreApplication::exit(0);
}

}  // namespace qtview
