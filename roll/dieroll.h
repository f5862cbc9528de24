#pragma once

#include <cstdint>
#include <string>

namespace quorlin {

class RandomSource;
class RollState;

/// The die text of a result: at least two digits ("07"), and "00" for exactly 100.
std::u16string dieText(std::int16_t result);

/// Throws one die with the faces of cmbCaras and the minimum of cmbMinimo ("" or below 1 counts
/// as 1), reseeding before every draw and throwing again every draw below the minimum; returns
/// the die text of the accepted result, uniform over minimum .. faces.
/// Raises ErrorKind::TypeMismatch or ErrorKind::Overflow for texts that are not 16-bit numbers,
/// and ErrorKind::UnreachableMinimum, before any draw, when no face reaches the minimum.
std::u16string LanzarDado(const RollState& state, RandomSource& random);

} // namespace quorlin
