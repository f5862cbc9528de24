// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QValidator>

namespace quorlin {

/// Keeps a one-line field to one line, as single-line fields on the desktop do: text typed,
/// pasted or dropped into it is taken without its line breaks (carriage return, line feed and
/// the other Unicode line and paragraph ends), so a number copied with its line reads as the
/// number. Nothing else is refused or changed.
class SingleLineValidator final : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

} // namespace quorlin
