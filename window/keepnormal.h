// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace quorlin {

/// Keeps the fixed window out of the maximised and full-screen states: a desktop that puts it
/// there anyway (a window manager's maximise request, a frame that offers it) gets it back at
/// its own size at once. Minimising stays the desktop's business.
void keepUnmaximised(QWidget& window);

} // namespace quorlin
