// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

class QWidget;

namespace quorlin {

/// Tab moves through the controls of tabOrder that take the focus, in that order, and the first
/// of them has the focus.
void arrangeTabOrder(const std::vector<QWidget*>& tabOrder);

/// Gives the access key of each label in tabOrder its action: the focus moves on to the next
/// enabled control in tabOrder, unless a button of tabOrder has the same key. Then the key
/// presses the button while the button is enabled, and moves the focus on while it is not.
void bindAccessKeys(const std::vector<QWidget*>& tabOrder);

} // namespace quorlin
