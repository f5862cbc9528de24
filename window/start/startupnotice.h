// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace quorlin {

/// Keeps the id under which a launcher announced this start (DESKTOP_STARTUP_ID), which the
/// toolkit takes out of the environment when it opens an X display. Must run before the
/// application is built.
void keepLauncherStartupId();

/// Shows the window as the launcher announced it. On X11 the window carries the kept id
/// (_NET_STARTUP_ID) from before it maps, so that the window manager ties it to its launch; the
/// toolkit ends the launcher's busy cursor when it maps. On Wayland the compositor gets the
/// launcher's activation token (XDG_ACTIVATION_TOKEN), which Qt 6.4 hands over only when asked.
void showAsLaunched(QWidget& window);

} // namespace quorlin
