// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <vector>

namespace quorlin {

class Program;
class RollState;

/// The one way by which the window's controls change the program's state: each user operation
/// runs at the program's one catch point, and once it has ended, every list shows its views
/// the items appended meanwhile, in one notification each.
class UserOperations
{
public:
    explicit UserOperations(Program& program);

    RollState& state();

    /// Performs operation, a RollState user operation, and the events it raises; no error
    /// leaves it. An operation started from within another (from an error report's event loop)
    /// joins the outer one.
    void perform(const std::function<void()>& operation);

    /// True while a user operation runs.
    bool running() const { return m_running; }

    /// Runs showRows whenever a user operation ends.
    void whenEnded(std::function<void()> showRows) { m_whenEnded.push_back(std::move(showRows)); }

private:
    Program& m_program;
    bool m_running = false;
    std::vector<std::function<void()>> m_whenEnded;
};

} // namespace quorlin
