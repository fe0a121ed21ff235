#include "widgets/Placeholder.h"

#include <QPainter>
#include <QSvgRenderer>

QImage placeholderPicture()
{
    static const QImage picture = [] {
        QImage image(308, 173, QImage::Format_RGB32);
        image.fill(QColor(0xC0, 0xC0, 0xC0));
        QSvgRenderer renderer(QStringLiteral(":/artwork/common/imgBianco.svg"));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(image.rect()));
        return image;
    }();
    return picture;
}
