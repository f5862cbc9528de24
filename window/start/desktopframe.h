// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorlin {

/// On a Wayland desktop whose compositor draws no window frames, the toolkit draws its own: that
/// frame offers maximise on the fixed window (on Qt 6.4 a click on it ends the program with a
/// protocol error), and it cuts the title short. So when no platform was asked for
/// (QT_QPA_PLATFORM unset) and the compositor draws no frames, the window goes to the desktop's
/// X server for older programs (XWayland, DISPLAY), whose window manager draws the frame; without
/// one, or should it not answer, the window stays on Wayland without a frame. Must run before the
/// application is built.
void preferDesktopDrawnFrame();

} // namespace quorlin
