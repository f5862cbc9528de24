// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roll/dieroll.h"

#include "roll/rollstate.h"
#include "runtime/error.h"
#include "runtime/numbers.h"
#include "runtime/random.h"

#include <algorithm>

namespace quorlin {

std::u16string dieText(std::int16_t result)
{
    if (result == 100)
        return u"00";
    if (result >= 1 && result <= 9)
        return u"0" + textOfInteger(result);
    return textOfInteger(result);
}

DieSettings checkedDieSettings(const RollState& state)
{
    const std::u16string minimumText = state.text(Control::cmbMinimo);
    const std::int16_t minimum
        = isEmpty(minimumText) ? 1 : std::max<std::int16_t>(1, integerOfText(minimumText));
    const std::int16_t faces = integerOfText(state.text(Control::cmbCaras));
    if (faces < 1)
        throw Error(ErrorKind::NoFaces);
    if (faces < minimum)
        throw Error(ErrorKind::UnreachableMinimum);
    return { minimum, faces };
}

std::u16string LanzarDado(const RollState& state, RandomSource& random)
{
    // The faces cannot change between draws: the roll runs to its end before the next event.
    return LanzarDado(checkedDieSettings(state), random);
}

std::u16string LanzarDado(const DieSettings& die, RandomSource& random)
{
    std::int32_t result = 0;
    while (result < die.minimum) {
        random.reseed();
        result = drawFace(random, die.faces);
    }
    return dieText(static_cast<std::int16_t>(result));
}

} // namespace quorlin
