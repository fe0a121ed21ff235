#include "analysis/CostChart.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace CostChart {

QColor stackColour(int stack)
{
    static const QColor Colours[] = {QColor(0x1F, 0x5F, 0x99), QColor(0xE0, 0x8A, 0x1E), QColor(0x3F, 0xA3, 0x4D),
                                     QColor(0xC0, 0x39, 0x2B), QColor(0x7D, 0x5B, 0xA6), QColor(0x95, 0x95, 0x95)};
    return Colours[std::clamp(stack, 0, 5)];
}

qint64 axisStepEuros(qint64 maxCents)
{
    const qint64 euros = std::max<qint64>(1, (maxCents + 99) / 100);
    qint64 power = 1;
    while (power * 10 <= euros / 4)
        power *= 10;
    for (const qint64 factor : {1, 2, 5, 10}) {
        if (euros / (power * factor) <= 5)
            return power * factor;
    }
    return power * 10;
}

void paint(QPainter& painter, const QRectF& area, const CostAnalysis& analysis)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(std::min(area.height() / 32, area.width() / 44))));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();

    // The legend on the right, the axis labels on the left, the years below.
    double legendWidth = 0;
    for (const QString& name : analysis.stackNames)
        legendWidth = std::max(legendWidth, metrics.horizontalAdvance(name));
    legendWidth = std::min(legendWidth + line * 2, area.width() * 0.35);

    qint64 tallest = 0;
    for (const std::vector<qint64>& stack : analysis.stacks) {
        qint64 height = 0;
        for (const qint64 cents : stack)
            height += std::max<qint64>(cents, 0);
        tallest = std::max(tallest, height);
    }
    const qint64 step = axisStepEuros(tallest);
    const qint64 steps = std::max<qint64>(1, (tallest + step * 100 - 1) / (step * 100));
    const QString widestLabel = QStringLiteral("\u20AC ") + QString::number(step * steps);
    const double axisWidth = metrics.horizontalAdvance(widestLabel) + line * 0.5;

    const QRectF plot(area.left() + axisWidth, area.top() + line * 0.5, area.width() - axisWidth - legendWidth - line,
                      area.height() - line * 2);
    painter.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 0));
    for (qint64 s = 0; s <= steps; ++s) {
        const double y = plot.bottom() - plot.height() * static_cast<double>(s) / static_cast<double>(steps);
        painter.setPen(QPen(QColor(0xD8, 0xD8, 0xD8), 0));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y - line / 2, axisWidth - line * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("\u20AC ") + QString::number(s * step));
    }

    const double perCent = plot.height() / static_cast<double>(steps * step * 100);
    const int bars = static_cast<int>(analysis.years.size());
    const double slot = bars > 0 ? plot.width() / bars : plot.width();
    for (int b = 0; b < bars; ++b) {
        const QRectF bar(plot.left() + slot * b + slot * 0.2, plot.top(), slot * 0.6, plot.height());
        double bottom = plot.bottom();
        const std::vector<qint64>& stack = analysis.stacks[static_cast<size_t>(b)];
        for (int s = 0; s < static_cast<int>(stack.size()); ++s) {
            const double height = static_cast<double>(std::max<qint64>(stack[static_cast<size_t>(s)], 0)) * perCent;
            if (height <= 0)
                continue;
            painter.fillRect(QRectF(bar.left(), bottom - height, bar.width(), height), stackColour(s));
            bottom -= height;
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(plot.left() + slot * b, plot.bottom() + line * 0.2, slot, line), Qt::AlignCenter,
                         metrics.elidedText(analysis.years[static_cast<size_t>(b)].year, Qt::ElideRight, slot));
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    const double legendLeft = area.right() - legendWidth;
    for (int s = 0; s < analysis.stackNames.size(); ++s) {
        const double top = plot.top() + line * 1.4 * s;
        painter.fillRect(QRectF(legendLeft, top + line * 0.15, line * 0.7, line * 0.7), stackColour(s));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(legendLeft + line, top, legendWidth - line, line), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(analysis.stackNames[s], Qt::ElideRight, legendWidth - line));
    }
    painter.restore();
}

} // namespace CostChart
