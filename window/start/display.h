// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QApplication;

namespace quorlin {

/// Opens the desktop's display and builds the application on it, natively on Wayland when the
/// session offers it and the toolkit's Wayland platform is installed, through XWayland when the
/// compositor would leave the window's frame to the toolkit (see preferDesktopDrawnFrame). When no
/// display can be opened (none set, an X display that does not answer, a Wayland display without a
/// usable platform plugin), prints one Spanish sentence to standard error and ends the process with
/// status 1, without the toolkit's own fatal message or abort.
std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]);

} // namespace quorlin
