// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/plainbinding.h"

#include "window/useroperations.h"

#include <QAbstractButton>

namespace quorlin {

PlainBinding::PlainBinding(Control control, QAbstractButton& button, UserOperations& operations)
    : Binding(control, button, operations)
{
    if (button.isCheckable()) {
        connect(&button, &QAbstractButton::clicked, this, [this](bool checked) {
            this->operations().perform([&] { state().setValue(this->control(), checked ? 1 : 0); });
        });
    } else {
        connect(&button, &QAbstractButton::clicked, this,
            [this] { this->operations().perform([&] { state().press(this->control()); }); });
    }
}

} // namespace quorlin
