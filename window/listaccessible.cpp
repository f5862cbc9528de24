// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/listaccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QHash>
#endif

namespace quorlin {

using namespace Qt::StringLiterals;

namespace {

    // Qt's own combo box interface names a combo box by the text it shows, so that a screen
    // reader says the value twice, or the label twice while it shows nothing, and under Qt 6.4
    // offers the value nowhere a screen reader looks.
    class ListAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        ,
                                 public QAccessibleAttributesInterface,
                                 public QAccessibleSelectionInterface
#endif
    {
    public:
        explicit ListAccessible(QComboBox* combo)
            : QAccessibleWidget(combo, QAccessible::ComboBox)
        {
        }

        void* interface_cast(QAccessible::InterfaceType type) override
        {
            if (type == QAccessible::TextInterface)
                return static_cast<QAccessibleTextInterface*>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            if (type == QAccessible::AttributesInterface)
                return static_cast<QAccessibleAttributesInterface*>(this);
            if (type == QAccessible::SelectionInterface)
                return static_cast<QAccessibleSelectionInterface*>(this);
#endif
            return QAccessibleWidget::interface_cast(type);
        }

        QString text(QAccessible::Text kind) const override
        {
            if (kind == QAccessible::Value)
                return shown();
            return QAccessibleWidget::text(kind);
        }

        // The open-able list first, then the typing field, as Qt's own combo box has them.
        int childCount() const override { return combo()->isEditable() ? 2 : 1; }
        QAccessibleInterface* child(int index) const override
        {
            QWidget* child = nullptr;
            if (index == 0)
                child = combo()->view();
            else if (index == 1 && combo()->isEditable())
                child = combo()->lineEdit();
            return child ? QAccessible::queryAccessibleInterface(child) : nullptr;
        }
        int indexOfChild(const QAccessibleInterface* child) const override
        {
            for (int index = 0; index < childCount(); ++index) {
                if (this->child(index) == child)
                    return index;
            }
            return -1;
        }

        // The value as text, which cannot be edited here. Where the bridge offers no selection, a
        // list's value stands whole as chosen text, as a field's does once its list put it there;
        // the faces field's own text has a selection of its own.
        QString text(int start, int end) const override { return shown().mid(start, end - start); }
        int characterCount() const override { return static_cast<int>(shown().size()); }
        void selection(int index, int* start, int* end) const override
        {
            *start = 0;
            *end = index < selectionCount() ? characterCount() : 0;
        }
        int selectionCount() const override
        {
            const bool chosenText = QT_VERSION < QT_VERSION_CHECK(6, 8, 0);
            return chosenText && !combo()->isEditable() && !shown().isEmpty() ? 1 : 0;
        }
        void addSelection(int, int) override { }
        void removeSelection(int) override { }
        void setSelection(int, int, int) override { }
        int cursorPosition() const override { return 0; }
        void setCursorPosition(int) override { }
        QRect characterRect(int) const override { return {}; }
        int offsetAtPoint(const QPoint&) const override { return -1; }
        void scrollToSubstring(int, int) override { }
        QString attributes(int, int* start, int* end) const override
        {
            *start = *end = 0;
            return {};
        }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QList<QAccessible::Attribute> attributeKeys() const override
        {
            return { QAccessible::Attribute::Custom };
        }
        QVariant attributeValue(QAccessible::Attribute key) const override
        {
            if (key != QAccessible::Attribute::Custom)
                return {};
            return QVariant::fromValue(QHash<QString, QString> { { u"valuetext"_s, shown() } });
        }

        // The chosen item, where screen readers look for a list's new value when they hear that
        // its selection changed.
        int selectedItemCount() const override { return chosenItem() ? 1 : 0; }
        QList<QAccessibleInterface*> selectedItems() const override
        {
            if (QAccessibleInterface* item = chosenItem())
                return { item };
            return {};
        }
        // A choice is the player's, through the list itself.
        bool select(QAccessibleInterface*) override { return false; }
        bool unselect(QAccessibleInterface*) override { return false; }
        bool selectAll() override { return false; }
        bool clear() override { return false; }
#endif

    private:
        QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
        QString shown() const
        {
            return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // Only the list with the focus offers its choice: a screen reader told that another
        // one's selection changed would move its own focus there. The faces field's text is
        // chosen only while it is the text of the current item.
        QAccessibleInterface* chosenItem() const
        {
            const int row = combo()->currentIndex();
            QAccessibleInterface* list = child(0);
            if (!combo()->hasFocus() || row < 0 || !list || combo()->itemText(row) != shown())
                return nullptr;
            return list->child(row);
        }
#endif
    };

    QAccessibleInterface* listFactory(const QString& className, QObject* object)
    {
        if (className == u"QComboBox" && object->property(listProperty).toBool())
            return new ListAccessible(static_cast<QComboBox*>(object));
        return nullptr;
    }

} // namespace

void readAsList(QComboBox& combo)
{
    static const bool installed = [] {
        QAccessible::installFactory(listFactory);
        return true;
    }();
    combo.setProperty(listProperty, installed);
    tellListChanges(combo);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // This bridge tells of a list's new value only by a change of name and of selection, which
    // screen readers of its day cannot follow in a list without a selection interface: the new
    // value is told again as chosen text put in, which they say for the list that has the focus.
    // A field tells of its own text.
    QObject::connect(&combo, &QComboBox::currentTextChanged, &combo, [&combo](const QString& text) {
        if (!QAccessible::isActive() || !combo.hasFocus() || combo.isEditable() || text.isEmpty())
            return;
        QAccessibleTextInsertEvent event(&combo, 0, text);
        QAccessible::updateAccessibility(&event);
    });
#endif
}

} // namespace quorlin
