// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/sessionbus.h"

#include <QFileInfo>
#include <QString>
#include <QtGlobal>

namespace quorlin {

void keepFromLaunchingSessionBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // The bus library looks for the user bus here before it falls back to launching one.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return;
    // An address of no known kind: connecting fails at once, without starting anything.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

} // namespace quorlin
