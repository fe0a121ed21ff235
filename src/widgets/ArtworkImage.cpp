#include "widgets/ArtworkImage.h"

#include <QPainter>
#include <QSvgRenderer>

ArtworkImage::ArtworkImage(const QString& folder, const QString& name, QWidget* parent)
    : PaintedButton(parent), m_renderer(new QSvgRenderer(artworkPath(folder, name), this))
{
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
}

QString ArtworkImage::artworkPath(const QString& folder, const QString& name)
{
    return QStringLiteral(":/artwork/") + folder + QLatin1Char('/') + name + QStringLiteral(".svg");
}

QImage ArtworkImage::rendered(const QString& folder, const QString& name, QSize size, const QColor& background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QSvgRenderer renderer(artworkPath(folder, name));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
    return image;
}

void ArtworkImage::setClickable(bool clickable)
{
    m_clickable = clickable;
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

bool ArtworkImage::hasArtwork() const
{
    return m_renderer->isValid();
}

void ArtworkImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A picture button that cannot act now is drawn faded.
    if (m_clickable && !isEnabled())
        painter.setOpacity(0.35);
    m_renderer->render(&painter, QRectF(rect()));
}

bool ArtworkImage::hitButton(const QPoint& pos) const
{
    // A press that misses is left to the parent.
    return m_clickable && PaintedButton::hitButton(pos);
}
