#pragma once

#include <QStyledItemDelegate>

// The "Campo della scheda" cells: a choice of the card's fields by their labels, or
// "(non importare)". It reads and writes the cell's field number (Qt::EditRole, -1 for none).
class FieldChoiceDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FieldChoiceDelegate)
public:
    explicit FieldChoiceDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
