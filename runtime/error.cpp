#include "runtime/error.h"

namespace quorlin {

namespace {

    struct Texts
    {
        const char16_t* title;
        const char16_t* message;
        const char* messageUtf8;
    };

    Texts textsOf(ErrorKind kind)
    {
        switch (kind) {
        case ErrorKind::TypeMismatch:
            return { u"Error de tipo", u"Error de tipo: el texto no es un número.",
                "Error de tipo: el texto no es un número." };
        case ErrorKind::Overflow:
            return { u"Desbordamiento", u"Desbordamiento: el número no está entre -32768 y 32767.",
                "Desbordamiento: el número no está entre -32768 y 32767." };
        case ErrorKind::ControlOperation:
            return { u"Error de control",
                u"Error de control: la operación no es válida para este control.",
                "Error de control: la operación no es válida para este control." };
        case ErrorKind::UnreachableMinimum:
            return { u"Tirada imposible",
                u"Tirada imposible: ninguna cara del dado alcanza la tirada mínima.",
                "Tirada imposible: ninguna cara del dado alcanza la tirada mínima." };
        }
        return { u"Error", u"Error desconocido.", "Error desconocido." };
    }

} // namespace

Error::Error(ErrorKind kind) noexcept
    : m_kind(kind)
{
}

const char* Error::what() const noexcept { return textsOf(m_kind).messageUtf8; }

std::u16string errorTitle(ErrorKind kind) { return textsOf(kind).title; }

std::u16string errorMessage(ErrorKind kind) { return textsOf(kind).message; }

} // namespace quorlin
