// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace quorlin {

/// Makes Qt's own texts Spanish (es-ES): message-box buttons, context menus. Loads qtbase_es from
/// Qt's translations folder; returns false, leaving Qt's English texts, when it is missing.
bool installSpanish(QCoreApplication& application);

} // namespace quorlin
