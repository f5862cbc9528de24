// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"

#include <QAbstractListModel>

namespace quorlin {

/// The item list of one RollState entry, as a list model: the rows are the entry's own items,
/// read in place, never copied. The owner reports each program change through rowInserted() and
/// cleared() right after RollState made it. rowCount() and data() show only the rows views have
/// been told of, as Qt's model contract asks.
///
/// Views (a combo box's popup) learn of appended items in one notification per run of appends,
/// given by showPendingRows(): a rebuild of 32767 items costs one notification, not 32767.
class RollListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    RollListModel(const RollState& state, Control control, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// Records the item that RollState has just inserted at row, in O(1). An item appended
    /// after the rows that views know waits for showPendingRows(); any other is announced now.
    void rowInserted(int row);
    /// Announces that RollState has just emptied the list.
    void cleared();
    /// Tells views of the items appended since they were last told; true when there were any.
    bool showPendingRows();

private:
    int liveRows() const;

    const RollState& m_state;
    Control m_control = Control::cmbCaras;
    // The rows that views have been told of; the items beyond them were appended since.
    int m_shownRows = 0;
    // The row RollState has just inserted while views are being told of it, else -1: until
    // then they still see the list without it.
    int m_announcedRow = -1;
};

} // namespace quorlin
