#include "widgets/PhotoView.h"

#include "photo/PhotoFile.h"

#include <QPainter>

PhotoView::PhotoView(QWidget* parent) : PaintedButton(parent) {}

void PhotoView::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_shown = QImage();
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
    const QRect place = pictureRect();
    if (place.size() == m_picture.size()) {
        painter.drawImage(place, m_picture);
        return;
    }
    painter.drawImage(place.topLeft(), shown());
}

const QImage& PhotoView::shown()
{
    const QSize size = pictureRect().size();
    if (m_shown.size() != size) {
        // A large reduction goes in two steps: a fast one to twice the size, then a smooth
        // one, which looks the same and takes a fraction of the time.
        QImage source = m_picture;
        if (source.width() > 4 * size.width() && source.height() > 4 * size.height())
            source = source.scaled(size * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_shown = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return m_shown;
}
