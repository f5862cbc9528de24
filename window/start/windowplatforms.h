// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>

namespace quorlin {

/// True for a toolkit platform plugin, named in lower case as QT_QPA_PLATFORM or -platform name
/// it, that shows the player a window on this system. The others run invisibly, listen on the
/// network or take over the console.
bool showsPlayerWindow(QByteArrayView plugin);

/// The desktops Quorlin's window appears on, for the Spanish sentence that refuses any other
/// platform ("X11 o Wayland").
const char* playerDesktops();

} // namespace quorlin
