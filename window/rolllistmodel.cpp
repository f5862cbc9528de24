#include "window/rolllistmodel.h"

#include <string_view>

namespace quorlin {

RollListModel::RollListModel(const RollState& state, Control control, QObject* parent)
    : QAbstractListModel(parent)
    , m_state(state)
    , m_control(control)
    , m_rows(static_cast<int>(state.items(control).size()))
{
}

int RollListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant RollListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::u16string_view item
        = m_state.items(m_control)[static_cast<std::size_t>(index.row())];
    return QStringView(item.data(), static_cast<qsizetype>(item.size())).toString();
}

Qt::ItemFlags RollListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void RollListModel::rowInserted(int row)
{
    beginInsertRows({}, row, row);
    ++m_rows;
    endInsertRows();
}

void RollListModel::cleared()
{
    beginResetModel();
    m_rows = static_cast<int>(m_state.items(m_control).size());
    endResetModel();
}

} // namespace quorlin
