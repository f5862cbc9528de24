// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/checked.h"

#include "runtime/error.h"

namespace quorlin {

void raiseOverflow() { throw Error(ErrorKind::Overflow); }

} // namespace quorlin
