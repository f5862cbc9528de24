// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/error.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quorlin {

namespace {

    struct Texts
    {
        std::u16string_view title;
        std::u16string_view message;
    };

    constexpr Texts textsOf(ErrorKind kind)
    {
        switch (kind) {
        case ErrorKind::TypeMismatch:
            return { u"Error de tipo",
                u"Quorlin solo lee números escritos con las cifras del 0 al 9: las letras, las "
                u"cifras de otras escrituras y los demás signos no cuentan. "
                u"Escribe en «Caras del Dado» un número entero de 1 a 32767." };
        case ErrorKind::Overflow:
            return { u"Desbordamiento",
                u"El número, o una cuenta que Quorlin hace con él, se sale de los enteros que sabe "
                u"contar, de -32768 a 32767. "
                u"Escribe en «Caras del Dado» un número entero de 1 a 32767." };
        case ErrorKind::ControlOperation:
            return { u"Error de control",
                u"Una lista o un botón de la ventana no admite lo que se le ha pedido. Es un fallo "
                u"de Quorlin, no de lo que has elegido: vuelve a elegir el dado." };
        case ErrorKind::NoFaces:
            return { u"Dado sin caras",
                u"Un dado necesita al menos una cara. Escribe en «Caras del Dado» un número "
                u"entero de 1 a 32767." };
        case ErrorKind::UnreachableMinimum:
            return { u"Tirada imposible",
                u"Ninguna cara del dado alcanza la tirada mínima elegida. Elige una tirada mínima "
                u"más baja o un dado con más caras." };
        }
        return { u"Error", u"Error desconocido." };
    }

    constexpr std::size_t kindCount = static_cast<std::size_t>(ErrorKind::UnreachableMinimum) + 1;
    using Utf8Message = std::array<char, 256>;

    // The messages contain no surrogate pairs, so each UTF-16 unit becomes one to three bytes.
    constexpr Utf8Message utf8Of(std::u16string_view text)
    {
        Utf8Message out {};
        std::size_t at = 0;
        const auto put = [&](unsigned byte) { out.at(at++) = static_cast<char>(byte); };
        for (const char16_t unit : text) {
            if (unit < 0x80) {
                put(unit);
            } else if (unit < 0x800) {
                put(0xC0 | (unit >> 6));
                put(0x80 | (unit & 0x3F));
            } else {
                put(0xE0 | (unit >> 12));
                put(0x80 | ((unit >> 6) & 0x3F));
                put(0x80 | (unit & 0x3F));
            }
        }
        out.at(at) = '\0';
        return out;
    }

    // what() wants UTF-8 and must not allocate: the messages are converted when compiled.
    constexpr auto utf8Messages = [] {
        std::array<Utf8Message, kindCount + 1> messages {};
        for (std::size_t kind = 0; kind <= kindCount; ++kind)
            messages[kind] = utf8Of(textsOf(static_cast<ErrorKind>(kind)).message);
        return messages;
    }();

} // namespace

Error::Error(ErrorKind kind) noexcept
    : m_kind(kind)
{
}

const char* Error::what() const noexcept
{
    const auto kind = static_cast<std::size_t>(m_kind);
    return utf8Messages[kind < kindCount ? kind : kindCount].data();
}

std::u16string errorTitle(ErrorKind kind) { return std::u16string(textsOf(kind).title); }

std::u16string errorMessage(ErrorKind kind) { return std::u16string(textsOf(kind).message); }

} // namespace quorlin
