// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/icon.h"

#include <QIcon>
#include <QWidget>

namespace quorlin {

void giveWholeIcon(QWidget& window) { window.setWindowIcon(quorlinIcon()); }

} // namespace quorlin
