// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace quorlin {

/// What Quorlin makes of a list of session bus addresses.
struct SessionBusChoice
{
    enum class Outcome {
        Kept, ///< the first address that takes a connection answered in time
        Silent, ///< the first address that takes a connection said nothing in time
        Launcher, ///< none could be used, and one would have started a program
        None, ///< none could be used
    };
    Outcome outcome = Outcome::None;
    std::string address; ///< what the bus library is given: the kept address, or "disabled:"
};

/// Tries the addresses in order, as the bus library would, and keeps the first that takes a
/// connection if it answers the handshake's first line within `wait`. Sockets and tcp are
/// tried; an address that would start a program (autolaunch:, unixexec:, launchd:) or that
/// cannot be tried is left out.
SessionBusChoice chooseSessionBus(std::string_view addresses, std::chrono::milliseconds wait);

/// Settles the session bus before the application object is built: with no address in the
/// environment, the user bus at $XDG_RUNTIME_DIR/bus if there is one, never a launched one; then
/// chooseSessionBus() with a second's wait. Leaves the bus out, with one Spanish line on
/// standard error, when it is silent or would start a program; the toolkit would otherwise wait
/// on it for ever, or start a program that outlives Quorlin.
void settleSessionBus();

} // namespace quorlin
