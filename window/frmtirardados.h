// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"
#include "window/useroperations.h"

#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QRect;

namespace quorlin {

class AccessKeyLabel;
class Binding;
class Program;
class SmallControlStyle;
struct ControlRow;

/// Quorlin's one window: thirteen controls in its fixed geometry, in their tab order, with
/// their access keys. Each control the logic touches is bound for the window's life to the
/// RollState entry of its name; the window hands each program change to that binding.
class FrmTirarDados final : public QWidget
{
    Q_OBJECT

public:
    /// Builds the controls in the state that the program's RollState holds now, and binds them.
    /// Closing the window presses cmdSalir, which ends the program.
    explicit FrmTirarDados(Program& program, QWidget* parent = nullptr);
    ~FrmTirarDados() override;

    FrmTirarDados(const FrmTirarDados&) = delete;
    FrmTirarDados& operator=(const FrmTirarDados&) = delete;

    /// The window's font, which every control takes over.
    static QFont windowFont();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// Makes, names and places the control of one row, and binds it when it has a Control.
    QWidget* makeControl(const ControlRow& row, QWidget* frame, AccessKeyLabel* label);
    /// The combo box of a list, named after the label before it for screen readers.
    QComboBox* makeList(
        bool editable, const QRect& geometry, AccessKeyLabel& label, QWidget* container);

    UserOperations m_operations;
    SmallControlStyle* m_style = nullptr;
    // The window's children, yet destroyed as members, before the controls: a control that still
    // signals as it goes (a field that commits its text as it loses the focus) reaches none.
    std::array<std::unique_ptr<Binding>, controlCount> m_bindings;
};

} // namespace quorlin
