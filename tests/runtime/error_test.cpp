// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
        { ErrorKind::TypeMismatch,
            "Quorlin solo lee números escritos con las cifras del 0 al 9: las letras, las cifras "
            "de otras escrituras y los demás signos no cuentan. Escribe en «Caras del Dado» un "
            "número entero de 1 a 32767." },
        // Also true of "-32768", which fits but whose faces less one do not.
        { ErrorKind::Overflow,
            "El número, o una cuenta que Quorlin hace con él, se sale de los enteros que sabe "
            "contar, de -32768 a 32767. Escribe en «Caras del Dado» un número entero de 1 a "
            "32767." },
        { ErrorKind::NoFaces,
            "Un dado necesita al menos una cara. Escribe en «Caras del Dado» un número entero de "
            "1 a 32767." },
        { ErrorKind::UnreachableMinimum,
            "Ninguna cara del dado alcanza la tirada mínima elegida. Elige una tirada mínima más "
            "baja o un dado con más caras." },
    };
    for (const auto& [kind, message] : expected)
        EXPECT_EQ(Error(kind).what(), message);
}

} // namespace
