// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quorlin {

/// Keeps the English lines that the toolkit and the system libraries print off the player's
/// terminal, where they tell nothing the player needs: a runtime folder that is unset or not
/// private (Quorlin keeps nothing there), a compose table missing for the locale (the fields take
/// digits only), a locale that the font library does not read as a language. A thread that the
/// toolkit cannot start means memory is short: Quorlin says so in Spanish and ends with status 1,
/// rather than leave a window that no longer answers. Call before any other start step.
void quietenLibraries();

/// True when the process cannot take a few more megabytes: a start that fails then fails for
/// memory, whatever the toolkit blames.
bool memoryIsShort();

/// The Spanish sentence, with its line end, for a process that runs out of memory.
inline constexpr const char* outOfMemorySentence
    = "Quorlin no tiene memoria suficiente para funcionar y termina.\n";

/// The languages the font library should take from a locale list such as "es_ES.UTF-8" or
/// "de:fr", with every item it would reject as not a language tag left out; "en", its own
/// fallback, when none is left.
std::string fontLanguages(std::string_view locales);

} // namespace quorlin
