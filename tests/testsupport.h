#pragma once

#include "roll/rollstate.h"
#include "runtime/error.h"
#include "runtime/host.h"
#include "runtime/random.h"
#include "tests/recordinghost.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorlin::testing {

/// The kind of the error that operation raises, or nothing when it raises none.
template <typename Operation> std::optional<ErrorKind> errorKindOf(Operation&& operation)
{
    try {
        operation();
    } catch (const Error& error) {
        return error.kind();
    }
    return std::nullopt;
}

/// A source that makes drawFace() give these results, in order, against a die of faces.
inline ScriptedRandom scriptedDraws(const std::vector<int>& results, int faces)
{
    std::vector<std::uint64_t> words;
    for (int result : results)
        words.push_back(wordForDraw(result, faces));
    return ScriptedRandom(std::move(words));
}

/// Selects text in a drop-down list, first inserting it as the list's only item when it is
/// not one of its items yet: the hand-set lists of a state built without its handlers.
inline void select(RollState& state, Control list, std::u16string text)
{
    if (state.items(list).indexOf(text) < 0) {
        state.clearList(list);
        state.insertItem(list, text, 0);
    }
    state.setText(list, std::move(text));
}

/// A state set by hand, no handler bound: faces typed, minimum and difficulty as the only
/// item of their lists ("" for none), throws chosen from its list, check box value.
inline RollState handSetState(std::u16string faces, std::u16string minimum,
    std::u16string difficulty, std::u16string throws = u"1", int check = 0)
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
