#pragma once
// A table of the analysis layer (devices, statistics) for a Qt view: every column of the
// table, cells made when shown. Qt::UserRole gives a sort key: the number of a numeric cell,
// else its text.
#include "analysis/NetworkColumns.h"

#include <QAbstractTableModel>
#include <QString>

#include <span>
#include <vector>

namespace ZrlApp {

template <typename Row>
class AnalysisTableModel : public QAbstractTableModel {
public:
    using Column = ZrlAnalysis::TableColumn<Row>;

    AnalysisTableModel(std::span<const Column> columns, QObject* parent = nullptr)
        : QAbstractTableModel(parent), columns_(columns)
    {
    }

    void setRows(std::vector<Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const std::vector<Row>& rows() const { return rows_; }
    const Row& row(int index) const { return rows_[std::size_t(index)]; }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(columns_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
            return {};
        const Column& column = columns_[std::size_t(index.column())];
        if (role != Qt::DisplayRole && role != Qt::UserRole && role != Qt::ToolTipRole)
            return {};
        const QString text = QString::fromStdString(column.cell(rows_[std::size_t(index.row())]));
        if (role == Qt::UserRole && column.kind == ZrlAnalysis::CellKind::number)
            return text.isEmpty() ? QVariant(-1.0) : QVariant(text.toDouble());
        return text;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
            return {};
        return QString::fromLatin1(columns_[std::size_t(section)].header);
    }

private:
    std::span<const Column> columns_;
    std::vector<Row> rows_;
};

}  // namespace ZrlApp
