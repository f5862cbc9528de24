// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace quorlin {

/// Reads Quorlin's command line before any window exists, so that it works without a display.
/// --help (-h) and --version (-v) print their Spanish text on standard output and give 0, or 1
/// when the text cannot be written; an unknown option or any other argument prints a Spanish
/// message on standard error and gives 1. Qt's own options (-platform, -style, ...) pass through
/// for QApplication. Returns the exit status when the program must end now, and nothing when it
/// goes on to open its window.
std::optional<int> answerCommandLine(int argc, const char* const* argv);

} // namespace quorlin
