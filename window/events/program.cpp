// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/events/program.h"

#include "roll/rollcommand.h"
#include "runtime/error.h"
#include "runtime/host.h"
#include "window/events/handlers.h"

#include <utility>

namespace quorlin {

Program::Program(RandomSource& random, Host& host)
    : m_random(random)
    , m_host(host)
{
    m_state.setEventSink([this](Control control, Event event) { dispatch(control, event); });
}

void Program::start()
{
    run([this] { Form_Load(m_state); });
}

void Program::perform(const std::function<void()>& operation) { run(operation); }

void Program::dispatch(Control control, Event event)
{
    // While the report is open the user has not yet read it, so whatever still arrives (a
    // button's delayed click, say) reaches no handler.
    if (m_ended || m_reporting)
        return;
    switch (control) {
    case Control::cmbCaras:
        if (event == Event::Click)
            run([this] { cmbCaras_Click(m_state); });
        else
            run([this] { cmbCaras_Change(m_state); });
        break;
    case Control::chkPersonaje:
        run([this] { chkPersonaje_Click(m_state); });
        break;
    case Control::cmdTirar:
        run([this] { cmdTirar_Click(m_state, m_random); });
        break;
    case Control::cmdSalir:
        run([this] {
            m_ended = true;
            cmdSalir_Click(m_host);
        });
        break;
    case Control::cmbMinimo:
    case Control::cmbDificultad:
    case Control::cmbTiradas:
    case Control::txtResultado:
        break;
    }
}

// The single point where every handler and every user operation runs: an error stops it,
// keeps what it wrote, and is reported; the program goes on.
void Program::run(const std::function<void()>& work)
{
    try {
        work();
    } catch (const Error& error) {
        const bool outer = std::exchange(m_reporting, true);
        m_host.reportError(error);
        m_reporting = outer;
    }
}

} // namespace quorlin
