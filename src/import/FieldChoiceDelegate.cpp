#include "import/FieldChoiceDelegate.h"

#include "import/ImportFields.h"

#include <QComboBox>

FieldChoiceDelegate::FieldChoiceDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QString FieldChoiceDelegate::notImported()
{
    return QStringLiteral("(non importare)");
}

int FieldChoiceDelegate::fieldOf(const QString& text)
{
    for (int field = 0; field < ImportFields::all().size(); ++field) {
        if (ImportFields::label(field) == text)
            return field;
    }
    return -1;
}

QWidget* FieldChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("cboCampo"));
    choice->addItem(notImported());
    for (int field = 0; field < ImportFields::all().size(); ++field)
        choice->addItem(ImportFields::label(field));
    choice->setMaxVisibleItems(16);
    return choice;
}

void FieldChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* choice = static_cast<QComboBox*>(editor);
    choice->setCurrentIndex(qMax(0, choice->findText(index.data().toString())));
}

void FieldChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentText());
}
