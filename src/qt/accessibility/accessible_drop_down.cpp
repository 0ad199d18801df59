// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/accessibility/accessible_drop_down.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QItemSelectionModel>

namespace qtview {

namespace {

// Keeps Qt's own combo box interface (role, states, popup child, open actions), but is named by
// its accessible name, not its chosen item, which is also its text, and stays shut when unusable.
class AccessibleDropDown : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleDropDown(QComboBox& list)
        : QAccessibleWidget(&list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return list().currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list().view()->isVisible();
        return state;
    }

    // Its popup list is its one child, and the items that list's children,
    // as Qt and GTK have them: a client can read them all, open or closed.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list().view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    // Opening the list, as Qt's lists offer it, for the clients that work a
    // list by its actions (switch and voice control, test automation). A
    // list that cannot be used does not open; a chosen item still reaches
    // the program through the list's own choice.
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    QString localizedActionDescription(const QString& action) const override {
        if (action == showMenuAction() || action == pressAction()) {
            return QComboBox::tr("Open the combo box selection popup");
        }
        return QAccessibleWidget::localizedActionDescription(action);
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (list().view()->isVisible()) {
            list().hidePopup();
        } else if (list().isEnabled() && list().isVisible()) {
            list().showPopup();
        }
    }

    // The chosen item as read-only text.
    QString text(int start, int end) const override { return chosen().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(chosen().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

private:
    QComboBox& list() const { return *static_cast<QComboBox*>(widget()); }
    QString chosen() const { return list().currentText(); }
};

}  // namespace

QAccessibleInterface* accessibleDropDown(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (list == nullptr || list->isEditable()) return nullptr;
    return new AccessibleDropDown(*list);
}

void announceChoice(QComboBox& list) {
    if (list.view()->isVisible() || list.currentIndex() < 0) return;
    // The closed popup's current item is the chosen one, as opening the list
    // makes it: Qt reads an item's focus from it, and a client that asks
    // (NVDA, through UI Automation) ignores a focus notice of an item without
    // it. It is moved alone, with no notice of a selection.
    const QModelIndex chosen =
        list.model()->index(list.currentIndex(), list.modelColumn(), list.rootModelIndex());
    list.view()->selectionModel()->setCurrentIndex(chosen, QItemSelectionModel::NoUpdate);
    if (!QAccessible::isActive() || !list.hasFocus()) return;
    QAccessibleInterface* popup = QAccessible::queryAccessibleInterface(list.view());
    QAccessibleTableInterface* items = popup != nullptr ? popup->tableInterface() : nullptr;
    QAccessibleInterface* item =
        items != nullptr ? items->cellAt(list.currentIndex(), list.modelColumn()) : nullptr;
    if (item == nullptr) return;
    QAccessibleEvent focused(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

}  // namespace qtview
