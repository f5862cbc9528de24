// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roll/rollcommand.h"

#include "roll/dieroll.h"
#include "roll/rollstate.h"
#include "runtime/numbers.h"

namespace quorlin {

namespace {

    constexpr std::u16string_view lineEnd = u"\r\n";
    constexpr std::u16string_view success = u"  ¡Exito!";
    constexpr std::u16string_view failure = u"  ¡Fallo!";
    constexpr std::u16string_view ruler = u"---------------------------------------------";
    constexpr std::u16string_view indent = u"   ";

    constexpr int characterDice = 18;

    // The number of throws of the throw series; none when cmbTiradas is empty or not numeric.
    std::int16_t throwCount(const RollState& state)
    {
        const std::u16string throws = state.text(Control::cmbTiradas);
        if (isEmpty(throws) || !isNumeric(throws))
            return 0;
        return integerOfText(throws);
    }

    void throwSeries(
        RollState& state, RandomSource& random, const DieSettings& settings, std::int16_t count)
    {
        // i never passes count, a 16-bit number, so it fits in 16 bits too.
        for (int i = 1; i <= count; ++i) {
            const std::u16string die = LanzarDado(settings, random);
            state.append(Control::txtResultado,
                { u"Dado ", textOfInteger(static_cast<std::int16_t>(i)), u"  Resultado = ", die });
            if (!isEmpty(state.text(Control::cmbDificultad)))
                ComprobarExito(state, die);
            else
                state.append(Control::txtResultado, { lineEnd });
        }
    }

    void characterSeries(RollState& state, RandomSource& random, const DieSettings& settings)
    {
        for (int i = 1; i <= characterDice; ++i) {
            const std::u16string die = LanzarDado(settings, random);
            switch (i) {
            case 1:
                state.setText(Control::txtResultado, std::u16string(indent) + die);
                break;
            case 7:
                state.append(Control::txtResultado,
                    { u"    Serie 1", lineEnd, ruler, lineEnd, indent, die });
                break;
            case 13:
                state.append(Control::txtResultado,
                    { u"    Serie 2", lineEnd, ruler, lineEnd, indent, die });
                break;
            case 18:
                state.append(Control::txtResultado, { u"/", die, u"    Serie 3" });
                break;
            default:
                state.append(Control::txtResultado, { u"/", die });
                break;
            }
        }
    }

} // namespace

void cmdTirar_Click(RollState& state, RandomSource& random)
{
    const bool characterMode = state.value(Control::chkPersonaje) != 0;
    const std::int16_t dice = characterMode ? characterDice : throwCount(state);
    // A roll whose first die cannot be thrown fails before it clears the report, so the user
    // keeps what was there. Writing the report changes no setting: every die is thrown with
    // what this check read.
    const DieSettings settings = dice >= 1 ? checkedDieSettings(state) : DieSettings {};
    state.setText(Control::txtResultado, u"");
    if (characterMode)
        characterSeries(state, random, settings);
    else
        throwSeries(state, random, settings, dice);
}

void ComprobarExito(RollState& state, std::u16string_view dieText)
{
    if (dieText == u"00") {
        state.append(Control::txtResultado, { success, lineEnd });
        return;
    }
    const std::int16_t value = integerOfText(dieText);
    const std::int16_t difficulty = integerOfText(state.text(Control::cmbDificultad));
    state.append(Control::txtResultado, { value < difficulty ? failure : success, lineEnd });
}

} // namespace quorlin
