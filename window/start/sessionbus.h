// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorlin {

/// Keeps the toolkit from starting a session bus when the desktop runs none: with no bus address
/// in the environment and no user bus in XDG_RUNTIME_DIR, the bus library would launch a bus
/// daemon that outlives Quorlin and write under HOME. Call before the application object is
/// built. A desktop's own bus, which screen readers use, is left alone.
void keepFromLaunchingSessionBus();

/// Leaves out a session bus that does not answer within a second: the toolkit would otherwise
/// wait on it for ever before the window appears. Quorlin then runs without it and says once on
/// standard error that screen readers cannot reach it. Call after keepFromLaunchingSessionBus()
/// and before the application object is built.
void leaveOutSilentSessionBus();

} // namespace quorlin
