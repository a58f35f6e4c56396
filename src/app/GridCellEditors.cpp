#include "app/GridCellEditors.h"

#include "app/GridTableModel.h"

#include <QAbstractProxyModel>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace ZrlApp {

namespace {

QStringList toStringList(const CommonLib::GridOptionList& options)
{
    QStringList list;
    for (const std::string& option : options)
        list << QString::fromStdString(option);
    return list;
}

// The model's own index behind a view index (the list may sort through a proxy).
QModelIndex sourceIndex(const QModelIndex& index)
{
    QModelIndex source = index;
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(source.model()))
        source = proxy->mapToSource(source);
    return source;
}

} // namespace

NumericLimits NumericLimits::fromMetaData(const std::string& json)
{
    NumericLimits limits;
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    limits.textLimit = std::max(0, object.value(QStringLiteral("text_limit")).toInt(0));
    limits.allowNegative = object.value(QStringLiteral("allow_negative_values")).toBool(false);
    limits.digitsBefore = object.value(QStringLiteral("num_of_digits_before_decimal")).toInt(-1);
    limits.digitsAfter = std::max(0, object.value(QStringLiteral("num_of_digits_after_decimal")).toInt(0));
    return limits;
}

QString NumericLimits::pattern() const
{
    const QString sign = allowNegative ? QStringLiteral("-?") : QString();
    const QString whole = digitsBefore < 0 ? QStringLiteral("\\d*") : QStringLiteral("\\d{0,%1}").arg(digitsBefore);
    const QString fraction = digitsAfter > 0 ? QStringLiteral("(\\.\\d{0,%1})?").arg(digitsAfter) : QString();
    return sign + whole + fraction;
}

GridCellEditors::GridCellEditors(GridTableModel& model, QObject* parent) : QStyledItemDelegate(parent), gridModel(model) {}

QWidget* GridCellEditors::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QModelIndex cell = sourceIndex(index);
    const auto table = gridModel.table();
    if (!table)
        return nullptr;
    const auto column = static_cast<std::uint32_t>(cell.column());
    switch (gridModel.columnTraits(cell.column()).editorKind) {
    case CommonLib::GridEditorCheckBox: return nullptr; // toggled in place
    case CommonLib::GridEditorDropDown: {
        auto* box = new QComboBox(parent);
        CommonLib::GridOptionList choices = table->getCellOptions(static_cast<std::uint32_t>(cell.row()), column);
        if (choices.empty())
            choices = table->getColumnOptions(column);
        box->addItems(toStringList(choices));
        return box;
    }
    case CommonLib::GridEditorNumeric: {
        auto* edit = new QLineEdit(parent);
        const NumericLimits limits = NumericLimits::fromMetaData(table->getColumnMetaData(column));
        if (limits.textLimit > 0)
            edit->setMaxLength(limits.textLimit);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(limits.pattern()), edit));
        return edit;
    }
    default: return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

void GridCellEditors::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const int at = box->findText(index.data(Qt::EditRole).toString());
        box->setCurrentIndex(std::max(at, 0));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridCellEditors::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (edit->hasAcceptableInput() || !edit->validator())
            model->setData(index, edit->text(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace ZrlApp
