// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/desktopframe.h"

namespace quorlin {

// Elsewhere the desktop draws every window's frame.
void preferDesktopDrawnFrame() { }

} // namespace quorlin
