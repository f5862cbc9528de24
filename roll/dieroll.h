// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace quorlin {

class RandomSource;
class RollState;

/// The die text of a result: at least two digits ("07"), and "00" for exactly 100.
std::u16string dieText(std::int16_t result);

/// The settings of one die as a roll reads them: the accepted results are minimum .. faces.
struct DieSettings
{
    std::int16_t minimum = 1;
    std::int16_t faces = 0;
};

/// Every check a die roll makes before its first draw: reads cmbMinimo ("" or below 1 counts as
/// 1) and cmbCaras, and raises what LanzarDado would raise for them: ErrorKind::TypeMismatch or
/// ErrorKind::Overflow for texts that are not 16-bit numbers, ErrorKind::NoFaces for fewer than
/// one face, ErrorKind::UnreachableMinimum when no face reaches the minimum. Draws nothing,
/// changes nothing.
DieSettings checkedDieSettings(const RollState& state);

/// Throws one die with the faces of cmbCaras and the minimum of cmbMinimo ("" or below 1 counts
/// as 1), reseeding before every draw and throwing again every draw below the minimum; returns
/// the die text of the accepted result, uniform over minimum .. faces.
/// Raises, before any draw, whatever checkedDieSettings() raises.
std::u16string LanzarDado(const RollState& state, RandomSource& random);

/// Throws one die with settings that checkedDieSettings() returned, as LanzarDado does; raises
/// nothing.
std::u16string LanzarDado(const DieSettings& die, RandomSource& random);

} // namespace quorlin
