// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/singlelinevalidator.h"

namespace quorlin {

namespace {

    // The characters that end a line in Unicode's line breaking rules.
    bool breaksLine(QChar c)
    {
        switch (c.unicode()) {
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\r':
        case u'\u0085':
        case u'\u2028':
        case u'\u2029':
            return true;
        default:
            return false;
        }
    }

} // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& position) const
{
    qsizetype kept = 0;
    int keptBeforeCursor = 0;
    for (qsizetype at = 0; at < input.size(); ++at) {
        if (breaksLine(input.at(at)))
            continue;
        if (at < position)
            ++keptBeforeCursor;
        input[kept++] = input.at(at);
    }
    input.truncate(kept);
    position = keptBeforeCursor;
    return Acceptable;
}

} // namespace quorlin
