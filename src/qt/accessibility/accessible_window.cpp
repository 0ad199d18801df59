// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/accessibility/accessible_window.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace qtview {

QAccessibleInterface* accessibleFormWindow(const QString&, QObject* object) {
    auto* window = qobject_cast<QWidget*>(object);
    if (window != nullptr && dynamic_cast<KnownAsWindow*>(window) != nullptr) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace qtview
