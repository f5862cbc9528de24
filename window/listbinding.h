// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/binding.h"

class QComboBox;

namespace quorlin {

class RollListModel;

/// One of the four lists: the combo box shows the entry's items through a model that reads
/// them in place, and its selection; the faces list also its typed text. Items that a user
/// operation appends reach the open-able view once, when the operation ends; any other change
/// reaches it at once.
class ListBinding final : public Binding
{
    Q_OBJECT

public:
    ListBinding(Control control, QComboBox& combo, UserOperations& operations);

protected:
    void show(const StateChange& change) override;

private:
    void showPendingRows();
    void showText();
    void showSelection();

    QComboBox& m_combo;
    RollListModel* m_model = nullptr;
};

} // namespace quorlin
