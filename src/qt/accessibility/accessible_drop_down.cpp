// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/accessibility/accessible_drop_down.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>
#include <vector>

namespace qtview {

namespace {

// One item of a list: a list item named by its text.
class AccessibleDropDownItem : public QAccessibleInterface {
public:
    AccessibleDropDownItem(QComboBox& list, int row) : list_(&list), row_(row) {}

    bool isValid() const override { return list_ != nullptr && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return list_ != nullptr ? list_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? list_->itemText(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {list_->mapToGlobal(QPoint(0, 0)), list_->size()}; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const bool chosen = row_ == list_->currentIndex();
        state.selectable = true;
        state.selected = chosen;
        state.focusable = true;
        state.focused = chosen && list_->hasFocus();
        state.invisible = !list_->isVisible();
        return state;
    }

private:
    QPointer<QComboBox> list_;
    int row_;
};

class AccessibleDropDown : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleDropDown(QComboBox& list)
        : QAccessibleWidget(&list, QAccessible::ComboBox) {}
    ~AccessibleDropDown() override {
        for (QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
    }

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

    int childCount() const override { return list().count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= list().count()) return nullptr;
        while (items_.size() <= static_cast<std::size_t>(index)) {
            items_.push_back(QAccessible::registerAccessibleInterface(
                new AccessibleDropDownItem(list(), static_cast<int>(items_.size()))));
        }
        return QAccessible::accessibleInterface(items_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (QAccessible::accessibleInterface(items_[i]) == child) return static_cast<int>(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

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

    mutable std::vector<QAccessible::Id> items_;
};

}  // namespace

QAccessibleInterface* accessibleDropDown(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (list == nullptr || list->isEditable()) return nullptr;
    return new AccessibleDropDown(*list);
}

void announceChoice(QComboBox& list) {
    if (!QAccessible::isActive() || !list.hasFocus() || list.view()->isVisible()) return;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&list);
    QAccessibleInterface* item = self != nullptr ? self->child(list.currentIndex()) : nullptr;
    if (item == nullptr) return;
    QAccessibleEvent focused(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

}  // namespace qtview
