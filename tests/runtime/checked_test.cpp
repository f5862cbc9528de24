// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/checked.h"
#include "runtime/error.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

TEST(CheckedArithmetic, RaisesOverflowAtTheLimits)
{
    EXPECT_EQ(checkedSub(-32767, 1), -32768);
    EXPECT_EQ(checkedSub(32766, -1), 32767);
    EXPECT_EQ(errorKindOf([] { checkedSub(-32768, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([] { checkedSub(0, -32768); }), ErrorKind::Overflow);
}

} // namespace
