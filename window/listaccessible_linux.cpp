// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/listaccessible.h"

#include <QAccessible>
#include <QComboBox>
#include <QPointer>

namespace quorlin {

namespace {

    QAccessible::UpdateHandler& outerHandler()
    {
        static QAccessible::UpdateHandler handler = nullptr;
        return handler;
    }

    QPointer<QObject>& focusTold()
    {
        static QPointer<QObject> object;
        return object;
    }

    bool isList(const QObject* object)
    {
        return object != nullptr && object->property(listProperty).toBool();
    }

    void passOn(QAccessibleEvent* event);

    void tellLists(QAccessibleEvent* event)
    {
        QObject* source = event->object();
        if (event->type() == QAccessible::Focus)
            focusTold() = source;
        // Tab selects the whole of a field's text as the field takes the focus, before the focus
        // is told: a screen reader would say the text, then the list and its text again.
        if (event->type() == QAccessible::TextSelectionChanged && source != nullptr
            && isList(source->parent()) && focusTold() != source->parent())
            return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // The bridge tells a combo box's new value as a change of name and a change of
        // selection; a list here offers its chosen item, so the change of selection says it all.
        // Qt 6.4's bridge offers no list's selection, and keeps the change of name.
        if (event->type() == QAccessible::ValueChanged && isList(source)) {
            QAccessibleEvent selection(source, QAccessible::SelectionWithin);
            passOn(&selection);
            return;
        }
#endif
        passOn(event);
    }

    // Whatever handled the events before (the bridge itself when none did) gets each in turn.
    void passOn(QAccessibleEvent* event)
    {
        QAccessible::installUpdateHandler(outerHandler());
        QAccessible::updateAccessibility(event);
        outerHandler() = QAccessible::installUpdateHandler(tellLists);
    }

} // namespace

void tellListChanges(QComboBox&)
{
    static const bool installed = [] {
        outerHandler() = QAccessible::installUpdateHandler(tellLists);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quorlin
