// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/useroperations.h"

#include "window/events/program.h"

#include <utility>

namespace quorlin {

UserOperations::UserOperations(Program& program)
    : m_program(program)
{
}

RollState& UserOperations::state() { return m_program.state(); }

void UserOperations::perform(const std::function<void()>& operation)
{
    const bool outer = !std::exchange(m_running, true);
    m_program.perform(operation);
    if (!outer)
        return;
    m_running = false;
    for (const auto& showRows : m_whenEnded)
        showRows();
}

} // namespace quorlin
