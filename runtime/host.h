// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorlin {

class Error;

/// What the program asks of whatever runs it: the real window, or a driver without one.
class Host
{
public:
    virtual ~Host() = default;

    /// Ends the program at once; no further event reaches a handler.
    virtual void endProgram() = 0;

    /// Shows the user the report of an error that stopped a handler, naming its kind, then
    /// returns: the program goes on with whatever the handler had written.
    virtual void reportError(const Error& error) = 0;
};

} // namespace quorlin
