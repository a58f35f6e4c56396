#include "app/MessageListModel.h"

#include "app/DisplayText.h"

#include "app/ColourRef.h"
#include "app/ReadableColour.h"
#include "grid/GridCellTraits.h"
#include "presentation/ListCells.h"

#include <QGuiApplication>
#include <QPalette>

#include <stdexcept>

namespace ZrlApp {

MessageListModel::MessageListModel(const KelpLib::ShownList& shown, QObject* parent)
    : QAbstractTableModel(parent), shown(shown)
{
}

void MessageListModel::reset()
{
    beginResetModel();
    columns_.clear();
    for (const auto& column : shown.document().columns())
        if (column.shown)
            columns_.push_back(column);
    rows = static_cast<int>(std::min<std::size_t>(shown.size(), INT32_MAX));
    endResetModel();
}

int MessageListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows; }

int MessageListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size() + fields.size());
}

void MessageListModel::setFieldColumns(const QStringList& names)
{
    beginResetModel();
    fields.clear();
    for (const QString& name : names)
        if (KelpLib::DecodedField::known(name.toStdString()))
            fields.push_back(std::make_unique<KelpLib::DecodedField>(name.toStdString()));
    endResetModel();
}

QStringList MessageListModel::fieldColumns() const
{
    QStringList names;
    for (const auto& field : fields)
        names << QString::fromStdString(field->name());
    return names;
}

int MessageListModel::fieldColumnAt(int column) const
{
    const int field = column - static_cast<int>(columns_.size());
    return field >= 0 && field < static_cast<int>(fields.size()) ? field : -1;
}

QVariant MessageListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows || static_cast<std::size_t>(index.row()) >= shown.size())
        return {};
    const KelpLib::ShownRow row(static_cast<std::uint32_t>(index.row()));
    if (const int field = fieldColumnAt(index.column()); field >= 0) {
        if (role != Qt::DisplayRole)
            return {};
        return displayText(KelpLib::decodedFieldText(shown.element(row), *fields[std::size_t(field)]));
    }
    if (static_cast<std::size_t>(index.column()) >= columns_.size())
        return {};
    const KelpLib::ListColumn& column = columns_[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole: return displayText(KelpLib::listCellText(shown, row, column));
    case Qt::ForegroundRole: return textColour(shown.element(row), column);
    default: return {};
    }
}

QVariant MessageListModel::textColour(const KelpLib::ZRLElement& element, const KelpLib::ListColumn& column) const
{
    // The table's colour, made readable on the list's background of the chosen style.
    const QColor base = QGuiApplication::palette().color(QPalette::Base);
    CommonLib::GridCellTraits cell;
    std::uint32_t colour = 0;
    if (element.cellColour(column.name, cell) && cell.getColour(colour))
        return readableOn(colourFromColourRef(colour), base);
    try {
        return readableOn(colourFromColourRef(element.colour()), base);
    } catch (const std::out_of_range&) {
        // A variant without a table entry keeps the list's own colour.
        return {};
    }
}

QVariant MessageListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0)
        return {};
    if (const int field = fieldColumnAt(section); field >= 0)
        return QString::fromStdString(fields[std::size_t(field)]->name());
    if (static_cast<std::size_t>(section) >= columns_.size())
        return {};
    return QString::fromStdString(columns_[static_cast<std::size_t>(section)].name);
}

} // namespace ZrlApp
