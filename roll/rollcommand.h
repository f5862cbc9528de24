// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace quorlin {

class RandomSource;
class RollState;

/// The roll command: first reads the number of throws and makes every check of the first die's
/// settings (checkedDieSettings), so that a roll that cannot begin raises with the report as it
/// was; then clears txtResultado and writes the character series when chkPersonaje
/// is not 0, and otherwise the numbered throw series of cmbTiradas throws, each judged against
/// cmbDificultad when one is chosen. Rolls no die when cmbTiradas is empty or not numeric.
/// An error stops it, leaving the report as far as it was written.
void cmdTirar_Click(RollState& state, RandomSource& random);

/// Appends the verdict of one die text against cmbDificultad, and a line end: "00" always
/// succeeds; any other die text succeeds when its value reaches the difficulty.
void ComprobarExito(RollState& state, std::u16string_view dieText);

} // namespace quorlin
