// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"

#include <functional>

namespace quorlin {

class Host;
class RandomSource;

/// The program without its window: the state, the binding of each control event to its handler,
/// and the start. The window shows this state and performs its user operations.
class Program
{
public:
    /// Builds the initial state and binds the events; nothing runs until start(). Events raised
    /// while the host reports an error, or after the end, reach no handler.
    Program(RandomSource& random, Host& host);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    /// Runs Form_Load. Call once, before the window is first shown.
    void start();

    /// Performs one user operation on the state (chooseItem, editField, setValue, editText,
    /// press) at the same catch point as the handlers: an operation that the control does not
    /// have is reported as ErrorKind::ControlOperation, and no error leaves perform().
    void perform(const std::function<void()>& operation);

    RollState& state() { return m_state; }
    const RollState& state() const { return m_state; }

    /// True once the program has been asked to end, by cmdSalir or by closing the window;
    /// later events reach no handler.
    bool hasEnded() const { return m_ended; }

private:
    void dispatch(Control control, Event event);
    void run(const std::function<void()>& handler);

    RollState m_state;
    RandomSource& m_random;
    Host& m_host;
    bool m_ended = false;
    bool m_reporting = false;
};

} // namespace quorlin
