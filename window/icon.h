// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QIcon;
class QWidget;

namespace quorlin {

/// Quorlin's icon: two dice, compiled into the program. The 32 px picture is the one in the
/// 16-colour palette; the sizes from 16 to 256 px are rendered from the scalable drawing.
QIcon quorlinIcon();

/// Gives the window Quorlin's icon: the 32 px picture at once, the whole icon once the window has
/// been drawn for the first time, so that decoding every size and handing it to the desktop does
/// not delay the window's first appearance.
void giveQuorlinIcon(QWidget& window);

} // namespace quorlin
