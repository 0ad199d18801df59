// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/services/clock.h"

#include <QDateTime>

namespace qtview {

// One reading, so that a date and a time of day taken across midnight never mix.
tk::LocalTime QtClock::now() {
    const QDateTime local = QDateTime::currentDateTime();
    return {QDate(1970, 1, 1).daysTo(local.date()), local.time().msecsSinceStartOfDay() / 1000.0};
}

}  // namespace qtview
