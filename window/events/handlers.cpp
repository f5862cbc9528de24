// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/events/handlers.h"

#include "roll/rollstate.h"
#include "runtime/checked.h"
#include "runtime/host.h"
#include "runtime/numbers.h"

namespace quorlin {

void Form_Load(RollState& state)
{
    state.setEnabled(Control::cmbMinimo, false);
    state.setEnabled(Control::cmdTirar, false);
    state.setText(Control::cmbTiradas, u"1");
}

void cmbCaras_Click(RollState& state)
{
    state.clearList(Control::cmbMinimo);
    state.clearList(Control::cmbDificultad);
    const std::u16string faces = state.text(Control::cmbCaras);
    if (!isEmpty(faces)) {
        const int last = checkedSub(integerOfText(faces), 1);
        // Each item, i + 1, is at most the number of faces, so it fits in 16 bits.
        for (int i = 0; i <= last; ++i) {
            const IntegerText item(static_cast<std::int16_t>(i + 1));
            state.insertItem(Control::cmbMinimo, item.view(), i);
            state.insertItem(Control::cmbDificultad, item.view(), i);
        }
    }
    state.setEnabled(Control::cmbMinimo, true);
    state.setEnabled(Control::cmdTirar, true);
}

void cmbCaras_Change(RollState& state)
{
    if (!isEmpty(state.text(Control::cmbCaras)))
        cmbCaras_Click(state);
}

void chkPersonaje_Click(RollState& state)
{
    const bool characterMode = state.value(Control::chkPersonaje) != 0;
    state.setEnabled(Control::cmbDificultad, !characterMode);
    state.setEnabled(Control::cmbTiradas, !characterMode);
}

void cmdSalir_Click(Host& host) { host.endProgram(); }

} // namespace quorlin
