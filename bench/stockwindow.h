// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace quorlin::bench {

/// Fills the window with the thirteen stock Qt controls that Quorlin's window has (a group box
/// with four labels, four combo boxes and a check box, a text box and two buttons) at about the
/// same places, and nothing else: no translations, icon, font, style or custom widget. The
/// window is titled "Qt plain window" and fixed at Quorlin's size.
void buildStockWindow(QWidget& window);

} // namespace quorlin::bench
