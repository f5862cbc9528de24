// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/error.h"

#include <QString>

#include <gtest/gtest.h>

using namespace quorlin;

namespace {

// what() carries each kind's message, converted to UTF-8 while compiling: the accents and
// guillemets must come out as the toolkit's own encoder writes them.
TEST(Error, WhatIsTheMessageInUtf8)
{
    for (int kind = 0; kind <= static_cast<int>(ErrorKind::UnreachableMinimum); ++kind) {
        const auto errorKind = static_cast<ErrorKind>(kind);
        SCOPED_TRACE(kind);
        const QByteArray expected = QString::fromStdU16String(errorMessage(errorKind)).toUtf8();
        EXPECT_GT(expected.size(), 40);
        EXPECT_EQ(Error(errorKind).what(), expected.toStdString());
    }
}

} // namespace
