#include "scores/ui/ReportModel.h"

#include "scores/ui/ScoreIcons.h"

#include <QFont>

namespace velmora {

ReportModel::ReportModel(QObject* parent) : QAbstractTableModel(parent) {}

void ReportModel::Show(const ReportList* list) {
    beginResetModel();
    m_list = list;
    endResetModel();
}

int ReportModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_list) {
        return 0;
    }
    return static_cast<int>(m_list->rows.size());
}

int ReportModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_list) {
        return 0;
    }
    return static_cast<int>(m_list->columns.size());
}

QVariant ReportModel::data(const QModelIndex& index, int role) const {
    if (!m_list || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ReportRow& row = m_list->rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.cells.value(index.column());
    case Qt::DecorationRole: {
        if (index.column() != 0 || row.icon == RowIcon::None) {
            return {};
        }
        auto it = m_icons.find(row.icon);
        if (it == m_icons.end()) {
            it = m_icons.emplace(row.icon, ScoreIcons::Icon(row.icon)).first;
        }
        return it->second;
    }
    case Qt::FontRole: {
        if (!row.bold) {
            return {};
        }
        QFont font;
        font.setBold(true);
        return font;
    }
    case Qt::UserRole:
        return row.key;
    default:
        return {};
    }
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!m_list || orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return m_list->columns[static_cast<std::size_t>(section)].title;
}

} // namespace velmora
