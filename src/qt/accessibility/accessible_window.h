// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

namespace qtview {

// A top-level widget that assistive technology knows as a window, not as an
// anonymous filler: the windows of the program's forms derive from it.
class KnownAsWindow {
public:
    virtual ~KnownAsWindow() = default;
};

// The factory that tells assistive technology so.
QAccessibleInterface* accessibleFormWindow(const QString& className, QObject* object);

}  // namespace qtview
