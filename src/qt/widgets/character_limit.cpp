// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/widgets/character_limit.h"

namespace qtview {

QValidator::State CharacterLimit::validate(QString& text, int& cursor) const {
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++characters) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            // A password box's cursor can stop between the two halves of a
            // character, one star each: nothing may be put between them.
            return Invalid;
        }
    }
    qsizetype start = cursor;
    for (qsizetype over = characters - limit_; over > 0; --over) {
        if (start == 0) return Invalid;
        --start;
        if (start > 0 && text[start].isLowSurrogate() && text[start - 1].isHighSurrogate()) --start;
    }
    text.remove(start, cursor - start);
    cursor = static_cast<int>(start);
    return Acceptable;
}

}  // namespace qtview
