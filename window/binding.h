// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"

#include <QObject>

class QWidget;

namespace quorlin {

class UserOperations;

/// Ties one control to its RollState entry: the control's user actions become the entry's user
/// operations, and each program change of the entry reaches the control before apply()
/// returns. The binding's connections end with it, so a control that outlives its binding
/// reaches nothing.
class Binding : public QObject
{
    Q_OBJECT

public:
    Binding(Control control, QWidget& widget, UserOperations& operations);

    /// Shows one program change of the bound entry on the control.
    void apply(const StateChange& change);

protected:
    /// Shows a change of the entry's text or items; the enabled flag is already handled.
    virtual void show(const StateChange& change);

    Control control() const { return m_control; }
    RollState& state() const;
    UserOperations& operations() const { return m_operations; }

private:
    Control m_control;
    QWidget& m_widget;
    UserOperations& m_operations;
};

} // namespace quorlin
