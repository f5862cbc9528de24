// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/events/program.h"
#include "window/windowhost.h"

#include <memory>

namespace quorlin {

class FrmTirarDados;
class RandomSource;

/// One run of Quorlin: the program on the given random source, its window bound to it, and the
/// host that reports errors over the window and ends the run.
class Session
{
public:
    /// Builds the window in the initial state; nothing runs and nothing is shown yet.
    explicit Session(RandomSource& random);
    ~Session();

    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /// Runs Form_Load, then shows the window with the focus in its first control, as the
    /// launcher that started the program announced it.
    void start();

    Program& program() { return m_program; }
    FrmTirarDados& window() { return *m_window; }

private:
    WindowHost m_host;
    Program m_program;
    std::unique_ptr<FrmTirarDados> m_window;
};

} // namespace quorlin
