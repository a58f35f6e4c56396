#pragma once
// The cell editors of the grid lists, chosen by the column's editor kind: a drop-down list of
// the column's (or, where the table has them, the cell's) choices, a number box that keeps to
// the column's metadata, a text box; check boxes are toggled in place by the model. A finished
// edit reaches the table's setCellText through the model.
#include <QStyledItemDelegate>

namespace ZrlApp {

class GridTableModel;

// What a numeric column accepts, from its JSON metadata ("text_limit", "allow_negative_values",
// "num_of_digits_before_decimal", "num_of_digits_after_decimal"); empty metadata allows any
// unsigned whole number.
struct NumericLimits {
    int textLimit = 0;        // 0: no limit
    bool allowNegative = false;
    int digitsBefore = -1;    // -1: any number of digits
    int digitsAfter = 0;

    static NumericLimits fromMetaData(const std::string& json);
    // The pattern a valid entry matches.
    QString pattern() const;
};

class GridCellEditors : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridCellEditors(GridTableModel& model, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    GridTableModel& gridModel;
};

} // namespace ZrlApp
