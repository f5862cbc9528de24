// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quorlin {

/// The items of a list control, packed into one buffer: a rebuild of tens of thousands of
/// items appends to two arrays instead of building a string per item, and clearing keeps the
/// memory for the next rebuild.
class ItemList
{
public:
    ItemList() = default;
    ItemList(std::initializer_list<std::u16string_view> items);

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }

    /// The text of item index < size(); valid until the list next changes.
    std::u16string_view operator[](std::size_t index) const;

    /// The position of the first item with exactly this text, or -1.
    int indexOf(std::u16string_view text) const;

    void clear();
    /// Puts the item at position <= size(), moving later items down.
    void insert(std::size_t position, std::u16string_view item);

private:
    std::u16string m_text;
    std::vector<std::uint32_t> m_ends;
};

} // namespace quorlin
