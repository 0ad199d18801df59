// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAccessibleInterface;
class QComboBox;
class QObject;

namespace qtview {

// What assistive technology knows of a drop-down list. Qt names a list on
// Linux by its chosen item and leaves its own name to a label beside it; here
// the list is called by its accessible name, its chosen item is its value
// (and its text, where a screen reader looks for the value); it opens by its
// actions and holds its popup list with the items, as Qt's own lists do.
QAccessibleInterface* accessibleDropDown(const QString& className, QObject* object);

// The chosen item of a list changed: it becomes the closed popup list's
// current item, focused in its state; in the list that has the focus it is
// announced as focused, which a screen reader says. Qt tells of the change
// only in a way that screen readers ignore for lists.
void announceChoice(QComboBox& list);

}  // namespace qtview
