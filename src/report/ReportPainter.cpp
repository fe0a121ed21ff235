#include "report/ReportPainter.h"

#include "report/ReportErrors.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Report {

namespace {

// Fonts are given in points of the paper; the painter is scaled to report units, so
// the size is given back in the device's points before that scale.
QFont fontFor(const TextStyle& style, const QPainter& painter)
{
    QFont font(style.family);
    font.setBold(style.bold);
    if (style.family == QLatin1String("Courier New")) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    font.setPointSizeF(style.pointSize * 96.0 / deviceDpi);
    font.setKerning(false);
    return font;
}

void paintText(QPainter& painter, const TextObject& text)
{
    if (text.style.background.isValid())
        painter.fillRect(text.rect, text.style.background);
    if (text.lines.isEmpty())
        return;
    painter.setFont(fontFor(text.style, painter));
    painter.setPen(text.style.colour);
    const Qt::Alignment horizontal = text.style.alignment & Qt::AlignHorizontal_Mask;
    if (text.style.wordWrap) {
        painter.drawText(text.rect, static_cast<int>(text.style.alignment) | Qt::TextWordWrap, text.text());
        return;
    }
    // Line by line at the text's pitch, so that fixed-pitch columns line up and a long
    // line is cut at the right edge instead of wrapping.
    const double pitch = text.linePitch();
    const double block = pitch * text.lines.size();
    double top = text.rect.top();
    if (text.style.alignment & Qt::AlignVCenter)
        top += (text.rect.height() - block) / 2;
    else if (text.style.alignment & Qt::AlignBottom)
        top += text.rect.height() - block;
    const int flags = static_cast<int>(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine | Qt::TextDontClip;
    for (const QString& line : text.lines) {
        if (top > text.rect.bottom())
            break;
        if (top + pitch >= text.rect.top())
            painter.drawText(QRectF(text.rect.left(), top, text.rect.width(), pitch), flags, line);
        top += pitch;
    }
}

// Where a picture lands in its rectangle.
QRectF pictureTarget(const PictureObject& picture)
{
    QSizeF size = picture.picture.size();
    if (picture.stretched)
        size.scale(picture.rect.size(), Qt::KeepAspectRatio);
    else
        size = size.boundedTo(picture.rect.size());
    QRectF target(picture.rect.topLeft(), size);
    if (picture.centred)
        target.moveCenter(picture.rect.center());
    return target;
}

void paintPicture(QPainter& painter, const PictureObject& picture)
{
    if (!picture.transparent)
        painter.fillRect(picture.rect, Qt::white);
    if (picture.picture.isNull())
        return;
    const QRectF target = pictureTarget(picture);
    // A photo larger than the device needs is first brought down to the device's
    // resolution for its area: a 24-megapixel photo would otherwise travel whole into
    // the printer's or the PDF's data.
    const QRectF onDevice = painter.transform().mapRect(target);
    const QSize needed(std::max(1, static_cast<int>(std::ceil(onDevice.width()))),
                       std::max(1, static_cast<int>(std::ceil(onDevice.height()))));
    if (picture.picture.width() > needed.width() || picture.picture.height() > needed.height()) {
        const QImage reduced = picture.picture.scaled(needed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (reduced.isNull())
            throw PaintFailed(QStringLiteral("Memoria insufficiente per la foto."));
        painter.drawImage(target, reduced);
    } else {
        painter.drawImage(target, picture.picture);
    }
}

void paintShape(QPainter& painter, const ShapeObject& shape)
{
    if (shape.fill.isValid())
        painter.fillRect(shape.rect, shape.fill);
    if (shape.frame.isValid() && shape.frameWidth > 0) {
        QPen pen(shape.frame, shape.frameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // The frame lies inside the rectangle.
        const double half = shape.frameWidth / 2;
        painter.drawRect(shape.rect.adjusted(half, half, -half, -half));
    }
}

} // namespace

void paintPage(QPainter& painter, const PreparedPage& page)
{
    for (const PlacedObject& placed : page.objects) {
        painter.save();
        painter.setClipRect(placed.clip, Qt::IntersectClip);
        if (const auto* text = std::get_if<TextObject>(&placed.object))
            paintText(painter, *text);
        else if (const auto* picture = std::get_if<PictureObject>(&placed.object))
            paintPicture(painter, *picture);
        else if (const auto* shape = std::get_if<ShapeObject>(&placed.object))
            paintShape(painter, *shape);
        painter.restore();
    }
}

void paint(const PreparedReport& report, QPagedPaintDevice& device, int fromPage, int toPage)
{
    const int last = static_cast<int>(report.pages.size());
    const int first = std::clamp(fromPage, 1, std::max(last, 1));
    const int end = toPage <= 0 ? last : std::min(toPage, last);

    device.setPageLayout(report.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        throw PaintFailed(QStringLiteral("La stampante o il file di destinazione non sono disponibili."));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The painter starts at the printable area of the device; the report measures from
    // the paper's corner.
    const int resolution = device.logicalDpiX();
    const QRectF paintRect = device.pageLayout().paintRectPixels(resolution);
    painter.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
    painter.translate(-paintRect.left() * 96.0 / resolution, -paintRect.top() * 96.0 / resolution);

    for (int number = first; number <= end; ++number) {
        if (number > first && !device.newPage()) {
            painter.end();
            throw PaintFailed(QStringLiteral("La stampante non accetta una nuova pagina."));
        }
        paintPage(painter, report.pages[static_cast<std::size_t>(number - 1)]);
    }
    if (!painter.end())
        throw PaintFailed(QStringLiteral("La stampa non è stata completata."));
}

} // namespace Report
