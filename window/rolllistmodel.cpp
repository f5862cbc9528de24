// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/rolllistmodel.h"

#include <string_view>

namespace quorlin {

RollListModel::RollListModel(const RollState& state, Control control, QObject* parent)
    : QAbstractListModel(parent)
    , m_state(state)
    , m_control(control)
    , m_shownRows(liveRows())
{
}

int RollListModel::liveRows() const { return static_cast<int>(m_state.items(m_control).size()); }

int RollListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

QVariant RollListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_shownRows
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    int row = index.row();
    if (m_announcedRow >= 0 && row >= m_announcedRow)
        ++row;
    // RollState may have emptied the list an instant before views hear of it.
    if (row >= liveRows())
        return {};
    const std::u16string_view item = m_state.items(m_control)[static_cast<std::size_t>(row)];
    return QString::fromUtf16(item.data(), static_cast<qsizetype>(item.size()));
}

Qt::ItemFlags RollListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void RollListModel::rowInserted(int row)
{
    if (row >= m_shownRows)
        return;
    if (liveRows() - 1 > m_shownRows) {
        // Rows that views do not know yet have shifted; only a reset describes that.
        beginResetModel();
        m_shownRows = liveRows();
        endResetModel();
        return;
    }
    m_announcedRow = row;
    beginInsertRows({}, row, row);
    m_announcedRow = -1;
    m_shownRows = liveRows();
    endInsertRows();
}

void RollListModel::cleared()
{
    beginResetModel();
    m_shownRows = liveRows();
    endResetModel();
}

bool RollListModel::showPendingRows()
{
    const int rows = liveRows();
    if (rows <= m_shownRows)
        return false;
    beginInsertRows({}, m_shownRows, rows - 1);
    m_shownRows = rows;
    endInsertRows();
    return true;
}

} // namespace quorlin
