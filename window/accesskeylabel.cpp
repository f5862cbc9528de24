// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/accesskeylabel.h"

#include <QEvent>

namespace quorlin {

AccessKeyLabel::AccessKeyLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    // QLabel underlines the access key and grabs it only while it has a buddy; until the window
    // gives it the control it names, the label is its own buddy. Either way the label receives
    // the key itself and hands it to the action.
    setBuddy(this);
}

bool AccessKeyLabel::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        if (m_action)
            m_action();
        return true;
    }
    return QLabel::event(event);
}

} // namespace quorlin
