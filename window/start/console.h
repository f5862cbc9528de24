// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace quorlin {

/// Where a text of the command line goes: the answer asked for, or a complaint.
enum class Channel { Answer, Complaint };

/// Writes a UTF-8 text that the program ends after. On Linux the answer goes to standard output,
/// which is then closed, and a complaint to standard error. On Windows a program without a console
/// writes to the standard handle its starter gave it, else to the console it was started from,
/// else shows the text in a message box. Returns false when the text could not be written whole.
bool writeFinalText(Channel channel, std::string_view text);

} // namespace quorlin
