// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QValidator>

namespace qtview {

// Lets a line box take at most `limit` characters, counted as the model
// counts them. Qt's own maximum length counts UTF-16 units, two for a
// character outside the basic plane (an emoji, a CJK character of Extension
// B). What goes over the limit is cut from the end of what was just put in,
// as Qt's limit does: a character typed into a full box is refused.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& text, int& cursor) const override;

private:
    int limit_;
};

}  // namespace qtview
