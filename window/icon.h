// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QIcon;

namespace quorlin {

/// Quorlin's icon: two dice, compiled into the program. The 32 px picture is the one in the
/// 16-colour palette; the sizes from 16 to 256 px are rendered from the scalable drawing.
QIcon quorlinIcon();

} // namespace quorlin
