// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string>

namespace qtview {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Line breaks are kept as carriage return + line feed in the model and shown
// as plain line breaks.
inline QString shownLines(const std::string& text) {
    return toQString(text).replace("\r\n", "\n");
}
inline std::string modelLines(QString text) {
    return text.replace("\n", "\r\n").toStdString();
}

}  // namespace qtview
