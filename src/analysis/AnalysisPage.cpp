#include "analysis/AnalysisPage.h"

#include "analysis/AnalysisTables.h"
#include "analysis/CostChart.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// A table as lines of text; returns the height it took. Rows beyond the space are cut,
// with a last line saying how many.
double paintTable(QPainter& painter, const QRectF& area, const AnalysisTable& table, const QList<double>& widths)
{
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height() * 1.25;
    double y = area.top();
    const auto paintRow = [&](const QStringList& cells, bool bold) {
        QFont font = painter.font();
        font.setBold(bold);
        painter.setFont(font);
        double x = area.left();
        for (int c = 0; c < cells.size(); ++c) {
            const double width = area.width() * widths.value(c);
            const bool numeric = table.numeric.value(c);
            const Qt::Alignment alignment = (numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            // A number keeps a gap of a digit or two from the text that follows it.
            const double room = width - (numeric ? 4 + metrics.averageCharWidth() * 1.5 : 4);
            painter.drawText(QRectF(x + 2, y, room, line), alignment,
                             QFontMetricsF(font).elidedText(cells[c], Qt::ElideRight, room));
            x += width;
        }
        y += line;
    };
    paintRow(table.headers, true);
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    const int fitting = static_cast<int>((area.bottom() - y) / line) - 1;
    for (int r = 0; r < table.rows.size(); ++r) {
        if (r >= fitting && r < table.rows.size() - 1) {
            paintRow({QStringLiteral("... altre %1 righe").arg(table.rows.size() - r)}, false);
            break;
        }
        paintRow(table.rows[r], false);
    }
    return y - area.top();
}

} // namespace

namespace AnalysisPage {

void paint(QPainter& painter, const QRectF& page, const QString& title, const CostAnalysis& analysis,
           const AnalysisTable* ranking)
{
    painter.save();
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(std::max(8, static_cast<int>(page.height() / 50)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double titleHeight = QFontMetricsF(font).height() * 1.6;
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     title);

    font.setBold(false);
    font.setPixelSize(std::max(7, static_cast<int>(page.height() / 70)));
    painter.setFont(font);
    const double gap = page.height() * 0.02;
    double top = page.top() + titleHeight;
    painter.drawText(QRectF(page.left(), top, page.width(), QFontMetricsF(font).height()), Qt::AlignLeft,
                     AnalysisTables::totals(analysis));
    top += QFontMetricsF(font).height() + gap;

    const QRectF chart(page.left(), top, page.width(), page.height() * (ranking ? 0.3 : 0.36));
    CostChart::paint(painter, chart, analysis);
    top = chart.bottom() + gap;
    if (ranking) {
        const QRectF vehicles(page.left(), top, page.width(), page.height() * 0.3);
        paintTable(painter, vehicles, *ranking, {0.07, 0.15, 0.36, 0.17, 0.1, 0.15});
        top = vehicles.bottom() + gap;
    }

    const double half = (page.width() - gap) / 2;
    const QRectF years(page.left(), top, half, page.bottom() - top);
    const QRectF causes(page.left() + half + gap, top, half, page.bottom() - top);
    paintTable(painter, years, AnalysisTables::byYear(analysis), {0.4, 0.35, 0.25});
    paintTable(painter, causes, AnalysisTables::byCause(analysis), {0.5, 0.3, 0.2});
    painter.restore();
}

} // namespace AnalysisPage
