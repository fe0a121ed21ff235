#pragma once

#include <QStyledItemDelegate>

// The "Campo della scheda" cells: a choice of the card's fields by their labels, or
// "(non importare)". The chosen label is the cell's own text.
class FieldChoiceDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FieldChoiceDelegate)
public:
    explicit FieldChoiceDelegate(QObject* parent = nullptr);

    static QString notImported();
    // The field a cell's text names, or -1.
    static int fieldOf(const QString& text);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
