// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/listaccessible.h"

#include <QAccessible>
#include <QComboBox>

namespace quorlin {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

namespace {

    constexpr const char* choiceProperty = "quorlinChoiceAsSelection";

    QAccessible::UpdateHandler& outerHandler()
    {
        static QAccessible::UpdateHandler handler = nullptr;
        return handler;
    }

    void passOn(QAccessibleEvent* event);

    // The AT-SPI bridge tells a combo box's new value as a change of name and a change of
    // selection; a list here offers its chosen item, so the change of selection says it all.
    void tellChoices(QAccessibleEvent* event)
    {
        QObject* source = event->object();
        if (event->type() == QAccessible::ValueChanged && source != nullptr
            && source->property(choiceProperty).toBool()) {
            QAccessibleEvent selection(source, QAccessible::SelectionWithin);
            passOn(&selection);
            return;
        }
        passOn(event);
    }

    // Whatever handled the events before (the bridge itself when none did) gets each in turn.
    void passOn(QAccessibleEvent* event)
    {
        QAccessible::installUpdateHandler(outerHandler());
        QAccessible::updateAccessibility(event);
        outerHandler() = QAccessible::installUpdateHandler(tellChoices);
    }

} // namespace

void tellChoiceAsSelection(QComboBox& combo)
{
    static const bool installed = [] {
        outerHandler() = QAccessible::installUpdateHandler(tellChoices);
        return true;
    }();
    combo.setProperty(choiceProperty, installed);
}

#else

// Before Qt 6.8 the bridge offers no list's selection: the change of name stays.
void tellChoiceAsSelection(QComboBox&) { }

#endif

} // namespace quorlin
