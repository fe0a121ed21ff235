#include "widgets/LineList.h"

#include "widgets/Fonts.h"

#include <QStringListModel>

LineList::LineList(QWidget* parent) : QListView(parent), m_model(new QStringListModel(this))
{
    setModel(m_model);
    setFont(Fonts::fixedPitch(12));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
}

void LineList::setLines(const QStringList& lines)
{
    m_model->setStringList(lines);
}

QStringList LineList::lines() const
{
    return m_model->stringList();
}

int LineList::count() const
{
    return m_model->rowCount();
}

void LineList::clear()
{
    m_model->setStringList({});
}

int LineList::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void LineList::selectRow(int row)
{
    const QModelIndex index = m_model->index(row);
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QString LineList::line(int row) const
{
    return m_model->index(row).data().toString();
}
