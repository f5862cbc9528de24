// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"
#include "runtime/error.h"
#include "tests/support/recordinghost.h"
#include "tests/support/scriptedrandom.h"

#include <concepts>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorlin::testing {

/// The kind of the error that operation raises, or nothing when it raises none.
template <typename Operation> std::optional<ErrorKind> errorKindOf(Operation&& operation)
{
    try {
        operation();
    } catch (const Error& error) {
        return error.kind();
    }
    return std::nullopt;
}

/// Copies of every item of a list, in order.
std::vector<std::u16string> itemsOf(const ItemList& list);

/// Selects text in a drop-down list, first inserting it as the list's only item when it is
/// not one of its items yet: the hand-set lists of a state built without its handlers.
void select(RollState& state, Control list, std::u16string text);

/// A state set by hand, no handler bound: faces typed, minimum and difficulty as the only
/// item of their lists ("" for none), throws chosen from its list, check box value.
RollState handSetState(std::u16string faces, std::u16string minimum, std::u16string difficulty,
    std::u16string throws = u"1", int check = 0);

/// The first member of every table row of a parameterised test: its readable name.
struct NamedCase
{
    const char* name = "";
};

/// Prints a table row as its name, in failure messages.
template <std::derived_from<NamedCase> Case>
std::ostream& operator<<(std::ostream& out, const Case& c)
{
    return out << c.name;
}

/// Names each instantiated case after its row, for INSTANTIATE_TEST_SUITE_P.
inline constexpr auto caseName = [](const auto& info) { return std::string(info.param.name); };

} // namespace quorlin::testing
