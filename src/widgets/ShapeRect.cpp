#include "widgets/ShapeRect.h"

#include <QLinearGradient>
#include <QPainter>

ShapeRect::ShapeRect(QWidget* parent) : QWidget(parent) {}

void ShapeRect::setGradient(Gradient direction, const QColor& start, const QColor& end)
{
    m_direction = direction;
    m_start = start;
    m_end = end;
    update();
}

void ShapeRect::setBorder(const QColor& border)
{
    m_border = border;
    update();
}

void ShapeRect::setBorderGradient(const QColor& top, const QColor& bottom)
{
    m_border = top;
    m_borderBottom = bottom;
    update();
}

void ShapeRect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area = rect();
    if (m_direction == Gradient::None) {
        painter.fillRect(area, m_start);
    } else {
        const QPointF end = m_direction == Gradient::Vertical ? area.bottomLeft() : area.topRight();
        QLinearGradient gradient(area.topLeft(), end);
        gradient.setColorAt(0, m_start);
        gradient.setColorAt(1, m_end);
        painter.fillRect(area, gradient);
    }
    if (m_border.isValid()) {
        if (m_borderBottom.isValid()) {
            QLinearGradient fade(area.topLeft(), area.bottomLeft());
            fade.setColorAt(0, m_border);
            fade.setColorAt(1, m_borderBottom);
            painter.setPen(QPen(QBrush(fade), 1));
        } else {
            painter.setPen(m_border);
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
