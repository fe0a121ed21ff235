#include "widgets/ArtworkImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

ArtworkImage::ArtworkImage(const QString& folder, const QString& name, QWidget* parent)
    : QWidget(parent), m_renderer(new QSvgRenderer(artworkPath(folder, name), this))
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
    m_renderer->render(&painter, QRectF(rect()));
}

void ArtworkImage::mousePressEvent(QMouseEvent* event)
{
    m_pressed = m_clickable && event->button() == Qt::LeftButton;
    if (!m_pressed)
        QWidget::mousePressEvent(event);
}

void ArtworkImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}
