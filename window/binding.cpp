// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/binding.h"

#include "window/useroperations.h"

#include <QWidget>

namespace quorlin {

Binding::Binding(Control control, QWidget& widget, UserOperations& operations)
    : m_control(control)
    , m_widget(widget)
    , m_operations(operations)
{
    m_widget.setEnabled(state().isEnabled(m_control));
}

void Binding::apply(const StateChange& change)
{
    if (change.kind == ChangeKind::Enabled)
        m_widget.setEnabled(state().isEnabled(m_control));
    else
        show(change);
}

void Binding::show(const StateChange&) { }

RollState& Binding::state() const { return m_operations.state(); }

} // namespace quorlin
