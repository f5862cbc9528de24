// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/accesskeybutton.h"

#include <QShortcutEvent>

namespace quorlin {

bool AccessKeyButton::event(QEvent* event)
{
    // An ambiguous key keeps Qt's answer, which moves the focus between the controls sharing it.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(event);
}

} // namespace quorlin
