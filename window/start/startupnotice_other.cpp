// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/startupnotice.h"

#include <QWidget>

namespace quorlin {

// Launch notices without X11 or Wayland are the system's own business.
void keepLauncherStartupId() { }

void showAsLaunched(QWidget& window) { window.show(); }

} // namespace quorlin
