// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorlin {

/// Puts a Spanish sentence in place of the toolkit's English message when the connection to the
/// display breaks (the X server or the Wayland compositor has gone); the toolkit then ends the
/// process as before. Every other message passes on unchanged.
void sayDisplayLostInSpanish();

} // namespace quorlin
