// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QApplication;

namespace quorlin {

/// Readies the process for the desktop it runs on and builds the application there; one
/// implementation a system, chosen by the build. On Linux the session bus is settled first (see
/// settleSessionBus()), the display's loss is said in Spanish, and a display that cannot be opened
/// ends the process with one Spanish sentence and status 1. On Windows the application is built
/// as it comes (the window library adds the window's font as it starts).
std::unique_ptr<QApplication> openDesktop(int& argc, char* argv[]);

} // namespace quorlin
