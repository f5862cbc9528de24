#pragma once

class QIcon;

namespace quorlin {

/// Quorlin's icon: two dice, 32 × 32 in the 16-colour palette, compiled into the program.
QIcon quorlinIcon();

} // namespace quorlin
