#pragma once

#include "roll/rollstate.h"

#include <QAbstractListModel>

namespace quorlin {

/// The item list of one RollState entry, as a list model: the rows are the entry's own items,
/// read in place, never copied. The owner reports each program change to the list through
/// rowInserted() and cleared(), right after RollState made it.
class RollListModel final : public QAbstractListModel
{
public:
    RollListModel(const RollState& state, Control control, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// Announces the item that RollState has just inserted at row.
    void rowInserted(int row);
    /// Announces that RollState has just emptied the list.
    void cleared();

private:
    const RollState& m_state;
    Control m_control = Control::cmbCaras;
    // The rows announced so far; rowCount() answers this, so that views never see a row before
    // its notification.
    int m_rows = 0;
};

} // namespace quorlin
