// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>
#include <string>

namespace quorlin {

/// The kinds of error an operation can raise; every error the program knows is one of these.
enum class ErrorKind {
    TypeMismatch, ///< A text that had to be a number is not one.
    Overflow, ///< A whole number left the signed 16-bit range.
    ControlOperation, ///< A control was asked for something it cannot do.
    NoFaces, ///< The die has fewer than one face.
    UnreachableMinimum, ///< No face of the die reaches the chosen minimum roll.
};

/// The one exception type of the program. It stops the running handler wherever it stands.
class Error : public std::exception
{
public:
    explicit Error(ErrorKind kind) noexcept;

    ErrorKind kind() const noexcept { return m_kind; }
    /// The Spanish message in UTF-8, as errorMessage() gives it.
    const char* what() const noexcept override;

private:
    ErrorKind m_kind = ErrorKind::ControlOperation;
};

/// A short Spanish title that names the kind, for the error report's caption.
std::u16string errorTitle(ErrorKind kind);

/// The Spanish sentence the error report shows the user for this kind.
std::u16string errorMessage(ErrorKind kind);

} // namespace quorlin
