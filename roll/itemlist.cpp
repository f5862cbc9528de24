// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roll/itemlist.h"

namespace quorlin {

ItemList::ItemList(std::initializer_list<std::u16string_view> items)
{
    for (const auto item : items)
        insert(size(), item);
}

std::u16string_view ItemList::operator[](std::size_t index) const
{
    const std::uint32_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::u16string_view(m_text).substr(begin, m_ends[index] - begin);
}

int ItemList::indexOf(std::u16string_view text) const
{
    for (std::size_t i = 0; i < size(); ++i) {
        if ((*this)[i] == text)
            return static_cast<int>(i);
    }
    return -1;
}

void ItemList::clear()
{
    m_text.clear();
    m_ends.clear();
}

void ItemList::insert(std::size_t position, std::u16string_view item)
{
    const auto length = static_cast<std::uint32_t>(item.size());
    if (position == size()) {
        m_text.append(item);
        m_ends.push_back(static_cast<std::uint32_t>(m_text.size()));
        return;
    }
    const std::uint32_t at = position == 0 ? 0 : m_ends[position - 1];
    m_text.insert(at, item);
    m_ends.insert(m_ends.begin() + static_cast<std::ptrdiff_t>(position), at + length);
    for (std::size_t i = position + 1; i < m_ends.size(); ++i)
        m_ends[i] += length;
}

} // namespace quorlin
