#include "widgets/PhotoView.h"

#include "photo/PhotoFile.h"

#include <QMouseEvent>
#include <QPainter>

PhotoView::PhotoView(QWidget* parent) : QWidget(parent) {}

void PhotoView::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

QRect PhotoView::pictureRect() const
{
    const QSize shown = fittedPhotoSize(m_picture.size(), size());
    return {QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown};
}

void PhotoView::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), m_picture);
}

void PhotoView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}
