// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/listaccessible.h"

namespace quorlin {

void tellListChanges(QComboBox&) { }

} // namespace quorlin
