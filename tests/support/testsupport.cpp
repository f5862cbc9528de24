// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/testsupport.h"

namespace quorlin::testing {

std::vector<std::u16string> itemsOf(const ItemList& list)
{
    std::vector<std::u16string> items;
    items.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        items.emplace_back(list[i]);
    return items;
}

void select(RollState& state, Control list, std::u16string text)
{
    if (state.items(list).indexOf(text) < 0) {
        state.clearList(list);
        state.insertItem(list, text, 0);
    }
    state.setText(list, std::move(text));
}

RollState handSetState(std::u16string faces, std::u16string minimum, std::u16string difficulty,
    std::u16string throws, int check)
{
    RollState state;
    state.editField(Control::cmbCaras, std::move(faces));
    if (!minimum.empty())
        select(state, Control::cmbMinimo, std::move(minimum));
    if (!difficulty.empty())
        select(state, Control::cmbDificultad, std::move(difficulty));
    state.setText(Control::cmbTiradas, std::move(throws));
    state.setValue(Control::chkPersonaje, check);
    return state;
}

} // namespace quorlin::testing
