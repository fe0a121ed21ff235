#include "widgets/SummaryBanner.h"

#include "widgets/Fonts.h"

#include <QPainter>

SummaryBanner::SummaryBanner(QWidget* parent, const char* name, const QRect& place) : PaintedButton(parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(place);
    setFont(Fonts::font(QStringLiteral("Verdana"), 11, true));
    setCursor(Qt::PointingHandCursor);
}

void SummaryBanner::setFill(const QColor& fill)
{
    m_fill = fill;
    update();
}

void SummaryBanner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_fill.darker(130));
    painter.setBrush(m_fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    // The text as every label draws it, without the shape's antialiasing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}
