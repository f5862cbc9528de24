// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace quorlin {

/// A push button whose access key presses it at once, as a mouse click does. Qt's own answer is
/// an animated press that lands about 100 ms later, on whatever the next keystrokes have opened
/// meanwhile (an error report included), which then swallows it.
class AccessKeyButton final : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override;
};

} // namespace quorlin
