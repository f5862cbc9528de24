// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/binding.h"

class QAbstractButton;

namespace quorlin {

/// A command button or the check box: a click presses the button or sets the check box's value.
/// Neither has a text the program changes.
class PlainBinding final : public Binding
{
    Q_OBJECT

public:
    PlainBinding(Control control, QAbstractButton& button, UserOperations& operations);
};

} // namespace quorlin
