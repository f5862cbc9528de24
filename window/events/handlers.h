// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorlin {

class Host;
class RollState;

/// Disables cmbMinimo and cmdTirar, then selects "1" in cmbTiradas.
void Form_Load(RollState& state);

/// Refills cmbMinimo and cmbDificultad with "1" up to the faces in cmbCaras (nothing when its
/// text is empty), dropping their selections, then enables cmbMinimo and cmdTirar.
/// Raises ErrorKind::TypeMismatch or ErrorKind::Overflow for faces that are not a 16-bit number.
void cmbCaras_Click(RollState& state);

/// As cmbCaras_Click, unless the field has been emptied.
void cmbCaras_Change(RollState& state);

/// Character mode on (any value but 0) disables cmbDificultad and cmbTiradas; off enables them.
void chkPersonaje_Click(RollState& state);

/// Ends the program.
void cmdSalir_Click(Host& host);

} // namespace quorlin
