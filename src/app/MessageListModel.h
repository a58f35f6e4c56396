#pragma once
// The message list of one document: a virtual table over its shown list.
// Cells are asked for when drawn; nothing is copied per row.
#include "filter/ShownList.h"
#include "log/ZRLDoc.h"
#include "messages/ListColumn.h"
#include "query/DecodedField.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

namespace ZrlApp {

class MessageListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MessageListModel(const KelpLib::ShownList& shown, QObject* parent = nullptr);

    // Re-reads the document's columns and shown count (after a load or a filter change).
    void reset();
    const std::vector<KelpLib::ListColumn>& columns() const { return columns_; }

    // Decoded fields shown as columns after the document's own, by the names the details pane
    // gives them; names no definition has are left out.
    void setFieldColumns(const QStringList& names);
    QStringList fieldColumns() const;
    // The field column's position among the field columns, or -1 for a column of the document.
    int fieldColumnAt(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant textColour(const KelpLib::ZRLElement& element, const KelpLib::ListColumn& column) const;

    const KelpLib::ShownList& shown;
    std::vector<KelpLib::ListColumn> columns_;
    std::vector<std::unique_ptr<KelpLib::DecodedField>> fields;
    int rows = 0;
};

} // namespace ZrlApp
