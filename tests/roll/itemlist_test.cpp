// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roll/itemlist.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

TEST(ItemList, InsertsAnywhereAndKeepsEveryText)
{
    ItemList list;
    list.insert(0, u"dos");
    list.insert(0, u"uno");
    list.insert(2, u"cuatro");
    list.insert(2, u"");
    list.insert(2, u"tres");
    EXPECT_EQ(
        itemsOf(list), (std::vector<std::u16string> { u"uno", u"dos", u"tres", u"", u"cuatro" }));
    EXPECT_EQ(list.indexOf(u"cuatro"), 4);
    EXPECT_EQ(list.indexOf(u""), 3);
    EXPECT_EQ(list.indexOf(u"cinco"), -1);
    list.clear();
    EXPECT_TRUE(list.empty());
    list.insert(0, u"otra vez");
    EXPECT_EQ(list[0], u"otra vez");
}

} // namespace
