#include "runtime/error.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

using namespace quorlin;

namespace {

// what() carries the message converted to UTF-8 while compiling: the accents must survive.
TEST(Error, WhatIsTheMessageInUtf8)
{
    const std::pair<ErrorKind, std::string_view> expected[] = {
        { ErrorKind::TypeMismatch, "Error de tipo: el texto no es un número." },
        { ErrorKind::Overflow, "Desbordamiento: el número no está entre -32768 y 32767." },
        { ErrorKind::ControlOperation,
            "Error de control: la operación no es válida para este control." },
        { ErrorKind::UnreachableMinimum,
            "Tirada imposible: ninguna cara del dado alcanza la tirada mínima." },
    };
    for (const auto& [kind, message] : expected)
        EXPECT_EQ(Error(kind).what(), message);
}

} // namespace
