#include "import/FieldChoiceDelegate.h"

#include "import/ImportFields.h"

#include <QComboBox>

FieldChoiceDelegate::FieldChoiceDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

// The choice's entry i is field i - 1: "(non importare)" first, then the fields in record order.
QWidget* FieldChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("cboCampo"));
    choice->addItem(ImportFields::notImported());
    for (int field = 0; field < ImportFields::all().size(); ++field)
        choice->addItem(ImportFields::label(field));
    choice->setMaxVisibleItems(16);
    return choice;
}

void FieldChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt() + 1);
}

void FieldChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex() - 1);
}
