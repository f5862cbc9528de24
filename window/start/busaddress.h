// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorlin {

/// How Quorlin treats one entry of a D-Bus address list.
enum class BusKind {
    Socket, ///< unix:path= or unix:abstract=: a local socket the probe greets
    Tcp, ///< tcp: or nonce-tcp: with a port: a network socket the probe greets
    Launcher, ///< autolaunch:, unixexec:, launchd:: reaching the bus would start a program
    Unusable, ///< any other kind, or an entry the bus library cannot connect with
};

/// One entry of a D-Bus address list, with its values unescaped.
struct BusAddress
{
    BusKind kind = BusKind::Unusable;
    std::string entry; ///< the entry as written, to hand on to the bus library
    std::string method; ///< the part before the colon: "unix", "tcp", "autolaunch", ...
    std::string socketPath; ///< Socket: the path; an abstract name starts with a zero byte
    std::string host; ///< Tcp: the host, "localhost" when the entry names none
    std::string port; ///< Tcp
    std::string family; ///< Tcp: "ipv4", "ipv6", or "" for either
};

/// Reads a list of D-Bus addresses ("unix:path=/run/user/1000/bus;tcp:host=…,port=…") in order,
/// as the bus library would try them. An entry with a broken escape, a key without "=" or no
/// colon is Unusable.
std::vector<BusAddress> readBusAddresses(std::string_view addresses);

/// Escapes a value for a D-Bus address: bytes other than ASCII letters, digits and "-_/.\*"
/// become %xx, so that a path holding "," ";" "=" or "%" reads back whole.
std::string escapeBusValue(std::string_view value);

} // namespace quorlin
