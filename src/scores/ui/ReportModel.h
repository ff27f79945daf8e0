#pragma once

#include "scores/ScoreBoard.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <map>

namespace velmora {

/// Shows a report list of the score board in a view; the list stays owned by its builder and
/// must outlive the model or be replaced through Show.
class ReportModel final : public QAbstractTableModel {
public:
    explicit ReportModel(QObject* parent = nullptr);

    /// Shows `list` (null shows nothing) from scratch.
    void Show(const ReportList* list);
    const ReportList* List() const { return m_list; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ReportList* m_list = nullptr;
    mutable std::map<RowIcon, QIcon> m_icons;
};

} // namespace velmora
