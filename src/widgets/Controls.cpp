#include "widgets/Controls.h"

#include "widgets/ArtworkImage.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>
#include <QTableView>

namespace Controls {

QWidget* panel(QWidget* parent, const char* name, QSize size)
{
    auto* result = new QWidget(parent);
    result->setObjectName(QLatin1String(name));
    result->setFixedSize(size);
    return result;
}

ShapeRect* shape(QWidget* parent, const char* name, const QRect& place, const QColor& fill, const QColor& border)
{
    auto* result = new ShapeRect(parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(place);
    result->setFill(fill);
    result->setBorder(border);
    return result;
}

ShapeRect* gradientShape(QWidget* parent, const char* name, const QRect& place, ShapeRect::Gradient direction,
                         const QColor& start, const QColor& end)
{
    auto* result = new ShapeRect(parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(place);
    result->setGradient(direction, start, end);
    return result;
}

QLabel* label(QWidget* parent, const char* name, const QPoint& place, const QString& text, const QFont& font,
              const QColor& colour)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setFont(font);
    QPalette palette = result->palette();
    palette.setColor(QPalette::WindowText, colour);
    result->setPalette(palette);
    result->move(place);
    result->adjustSize();
    return result;
}

QLineEdit* editBox(QWidget* parent, const char* name, const QRect& place, int maxLength, const QFont& font)
{
    auto* result = new QLineEdit(parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(place);
    result->setFont(font);
    result->setMaxLength(maxLength);
    result->setTextMargins(1, 0, 1, 0);
    return result;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QRect& place, const QString& caption,
                        const QFont& font)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(place);
    result->setFont(font);
    result->setCursor(Qt::PointingHandCursor);
    return result;
}

ArtworkImage* picture(QWidget* parent, const char* name, const QRect& place, bool clickable)
{
    return picture(parent, name, place, clickable, name);
}

ArtworkImage* picture(QWidget* parent, const char* name, const QRect& place, bool clickable, const char* artwork)
{
    // Artwork is looked up under the window's own name: several windows use the same
    // control name for different pictures.
    auto* result = new ArtworkImage(parent->window()->objectName(), QLatin1String(artwork), parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(place);
    result->setClickable(clickable);
    return result;
}

QPushButton* Buttons::operator[](const char* name) const
{
    for (QPushButton* button : m_inRowOrder) {
        if (button->objectName() == QLatin1String(name))
            return button;
    }
    Q_ASSERT_X(false, "Controls::Buttons", name);
    return nullptr;
}

QList<QWidget*> Buttons::inRowOrder() const
{
    return {m_inRowOrder.cbegin(), m_inRowOrder.cend()};
}

void tabChain(const QList<QWidget*>& inOrder)
{
    for (qsizetype i = 1; i < inOrder.size(); ++i)
        QWidget::setTabOrder(inOrder[i - 1], inOrder[i]);
}

QTableView* tableView(QWidget* parent, const TableView& row, QAbstractItemModel* model, const QFont& font)
{
    auto* result = new QTableView(parent);
    result->setObjectName(QLatin1String(row.name));
    result->setGeometry(row.place);
    result->setFont(font);
    result->setModel(model);
    result->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (row.options.testFlag(TableView::SingleSelection))
        result->setSelectionMode(QAbstractItemView::SingleSelection);
    result->setEditTriggers(QAbstractItemView::NoEditTriggers);
    result->setAlternatingRowColors(row.options.testFlag(TableView::AlternatingRows));
    QHeaderView* rows = result->verticalHeader();
    QHeaderView* columns = result->horizontalHeader();
    rows->hide();
    if (row.options.testFlag(TableView::FixedSizes)) {
        result->setWordWrap(false);
        rows->setSectionResizeMode(QHeaderView::Fixed);
        columns->setSectionResizeMode(QHeaderView::Fixed);
    }
    rows->setDefaultSectionSize(row.rowHeight);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setStretchLastSection(true);
    for (qsizetype c = 0; c < row.columnWidths.size(); ++c)
        result->setColumnWidth(static_cast<int>(c), row.columnWidths[c]);
    if (row.options.testFlag(TableView::SortByHeader)) {
        columns->setSortIndicator(-1, Qt::AscendingOrder);
        result->setSortingEnabled(true);
    }
    return result;
}

QComboBox* comboBox(QWidget* parent, const ComboBox& row, const QFont& font)
{
    auto* result = new QComboBox(parent);
    result->setObjectName(QLatin1String(row.name));
    result->setGeometry(row.place);
    result->setFont(font);
    return result;
}

QProgressBar* progressBar(QWidget* parent, const ProgressBar& row)
{
    auto* result = new QProgressBar(parent);
    result->setObjectName(QLatin1String(row.name));
    result->setGeometry(row.place);
    result->setRange(0, 100);
    result->setTextVisible(row.showsPercent);
    result->hide();
    return result;
}

QLabel* titleBand(QWidget* parent, const TitleBand& row, const QFont& font)
{
    shape(parent, row.name, row.place, Qt::black, Qt::black);
    QLabel* result = label(parent, row.title, row.place.topLeft(), QString(), font, Qt::white);
    result->setGeometry(row.titlePlace);
    result->setAlignment(Qt::AlignCenter);
    return result;
}

} // namespace Controls
