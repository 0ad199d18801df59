// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/startup/application.h"

#include <QAccessible>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "qt/accessibility/accessible_drop_down.h"
#include "qt/accessibility/accessible_window.h"
#include "qt/accessibility/notice_mediator.h"
#include "qt/look/fonts.h"
#include "qt/look/program_style.h"
#include "qt/view/user_input.h"

namespace qtview {

namespace {

void translateQtsOwnWords() {
    // Qt's own words (a text box's context menu, ...) in Chinese too.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Where the system has none of its own (Windows), the program brings them.
    auto* translator = new QTranslator(qApp);
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/translations")}) {
        if (translator->load("qtbase_zh_CN", folder)) {
            QCoreApplication::installTranslator(translator);
            break;
        }
    }
}

// What assistive technology knows of the windows: each a window, each list by
// its name and value, and the notices as the mediator tells them.
void installAccessibility() {
    QAccessible::installFactory(accessibleFormWindow);
    QAccessible::installFactory(accessibleDropDown);
    mediateAccessibilityNotices([](const QWidget& widget) {
        const tk::Control* control = controlOf(&widget);
        return control != nullptr ? QString::fromStdString(control->hint()) : QString();
    });
}

}  // namespace

void setUpApplication() {
    translateQtsOwnWords();
    QApplication::setStyle(new ProgramStyle);
    QApplication::setFont(toQFont(tk::Font{}));
    installAccessibility();
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace qtview
