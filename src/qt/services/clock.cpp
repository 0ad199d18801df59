// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/services/clock.h"

#include <QDateTime>

namespace qtview {

namespace {

tk::LocalTime localTime(const QDateTime& local) {
    return {QDate(1970, 1, 1).daysTo(local.date()), local.time().msecsSinceStartOfDay() / 1000.0};
}

}  // namespace

// One reading, so that the real time, the date and the time of day never mix
// two moments.
tk::ClockReading QtClock::now() {
    const qint64 realMs = QDateTime::currentMSecsSinceEpoch();
    return {realMs, localTime(QDateTime::fromMSecsSinceEpoch(realMs))};
}

tk::LocalTime QtClock::localAt(std::int64_t realSecond) {
    return localTime(QDateTime::fromSecsSinceEpoch(realSecond));
}

}  // namespace qtview
