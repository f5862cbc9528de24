// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace quorlin {

/// Makes Qt's own texts Spanish (es-ES): message-box buttons, context menus. Uses the qtbase_es
/// translation built into the program, whatever Qt's translations folder holds; returns false,
/// leaving Qt's English texts, only if that translation cannot be read.
bool installSpanish(QCoreApplication& application);

} // namespace quorlin
