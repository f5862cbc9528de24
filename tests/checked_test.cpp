#include "runtime/checked.h"
#include "runtime/error.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

TEST(CheckedArithmetic, RaisesOverflowAtTheLimits)
{
    EXPECT_EQ(checkedAdd(32766, 1), 32767);
    EXPECT_EQ(checkedSub(-32767, 1), -32768);
    EXPECT_EQ(errorKindOf([] { checkedAdd(32767, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([] { checkedSub(-32768, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(errorKindOf([] { checkedSub(0, -32768); }), ErrorKind::Overflow);
}

TEST(CheckedLoop, StepsAfterTheLastPassToo)
{
    int passes = 0;
    std::int16_t lastSeen = 0;
    EXPECT_EQ(errorKindOf([&] {
        forEachChecked(32760, 32767, [&](std::int16_t i) {
            ++passes;
            lastSeen = i;
        });
    }),
        ErrorKind::Overflow);
    EXPECT_EQ(passes, 8);
    EXPECT_EQ(lastSeen, 32767);
}

TEST(CheckedLoop, RunsNothingWhenTheBoundIsBelowTheStart)
{
    int passes = 0;
    forEachChecked(0, -1, [&](std::int16_t) { ++passes; });
    EXPECT_EQ(passes, 0);
}

} // namespace
