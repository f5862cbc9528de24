// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

class QIcon;
class QImage;
class QWidget;

namespace quorlin {

/// The sides, in pixels, of the pictures Quorlin's icon is drawn in.
inline constexpr std::array quorlinIconSides { 16, 22, 24, 32, 48, 64, 128, 256 };

/// The icon's picture drawn for side × side pixels (side one of quorlinIconSides), decoded
/// afresh, in unpremultiplied ARGB.
QImage quorlinPicture(int side);

/// Quorlin's icon: two dice, compiled into the program. The 32 px picture is the one in the
/// 16-colour palette; the sizes from 16 to 256 px are rendered from the scalable drawing.
QIcon quorlinIcon();

/// Gives the window Quorlin's icon: the 32 px picture at once, the whole icon (giveWholeIcon)
/// once the window has been drawn for the first time, so that decoding every size and handing it
/// to the desktop does not delay the window's first appearance.
void giveQuorlinIcon(QWidget& window);

/// Hands the desktop every size of Quorlin's icon. Where the window has an X11 window of its
/// own, each size goes into its icon property one at a time, so that no copy of the whole set is
/// ever held; elsewhere the window takes quorlinIcon().
void giveWholeIcon(QWidget& window);

} // namespace quorlin
