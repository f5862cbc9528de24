// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/session.h"

#include "window/frmtirardados.h"
#include "window/keepnormal.h"
#include "window/start/startupnotice.h"

namespace quorlin {

Session::Session(RandomSource& random)
    : m_program(random, m_host)
    , m_window(std::make_unique<FrmTirarDados>(m_program))
{
    m_host.setWindow(m_window.get());
    keepUnmaximised(*m_window);
}

Session::~Session() = default;

void Session::start()
{
    m_program.start();
    showAsLaunched(*m_window);
}

} // namespace quorlin
