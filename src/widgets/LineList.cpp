#include "widgets/LineList.h"

#include "widgets/Fonts.h"

#include <QFontMetrics>

#include <QStringListModel>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// The lines, each also its own tooltip.
class LineModel final : public QStringListModel {
public:
    using QStringListModel::QStringListModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        return QStringListModel::data(index, role == Qt::ToolTipRole ? Qt::DisplayRole : role);
    }
};

// Every line has the size of the first, so the first is made as wide as the widest line
// and one character more: the scroll range then shows the widest line's end.
class WidestLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setWidestLine(const QString& line) { m_widest = line; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics metrics(option.font);
        const int extra = metrics.horizontalAdvance(m_widest + QLatin1Char(' ')) -
                          metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
        size.rwidth() += std::max(0, extra);
        return size;
    }

private:
    QString m_widest;
};

} // namespace

LineList::LineList(QWidget* parent) : QListView(parent), m_model(new LineModel(this))
{
    setModel(m_model);
    setItemDelegate(new WidestLineDelegate(this));
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
    // Fixed pitch: the longest line is the widest.
    const QString* widest = nullptr;
    for (const QString& line : lines) {
        if (!widest || line.size() > widest->size())
            widest = &line;
    }
    static_cast<WidestLineDelegate*>(itemDelegate())->setWidestLine(widest ? *widest : QString());
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
    setLines({});
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
