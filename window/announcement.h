// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

namespace quorlin {

/// The report as it reads well aloud, one sentence a line: "Dado 1  Resultado = 07  ¡Fallo!"
/// becomes "Dado 1: 7. ¡Fallo!", a die text "00" is said as 100, and the three character series
/// become "Serie 1: 7, 12, 3, 15, 9, 11." without their rulers. A line of any other shape is
/// kept as it stands.
QString spokenReport(const QString& report);

/// Asks the screen reader to say message now, wherever the focus is, without moving it and
/// without changing anything on the screen: an announcement where the toolkit has them, else a
/// notification that only assistive technology perceives. source is the control that the
/// message is about. Does nothing while no assistive technology listens.
void announce(QWidget* source, const QString& message);

} // namespace quorlin
