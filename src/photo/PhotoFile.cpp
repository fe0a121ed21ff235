#include "photo/PhotoFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace PhotoFile {
QString pathFor(const QString& programFolder, const QString& position)
{
    return programFolder + QStringLiteral("Autoparco") + QLatin1Char('/') + QStringLiteral("Scheda_Veicolo_") +
           position + QStringLiteral(".jpg");
}

std::optional<QImage> load(const QString& path)
{
    QImageReader reader(path);
    // Pixels as stored: the card shows and saves the picture at the size it was loaded.
    reader.setAutoTransform(false);
    reader.setAllocationLimit(AllocationLimitMb);
    if (!reader.canRead())
        return std::nullopt;
    // A header announcing a huge picture is refused before any pixel is decoded, whatever
    // the format plugin does with the allocation limit.
    const QSize announced = reader.size();
    if (announced.isValid()) {
        const qint64 bytes = qint64(announced.width()) * announced.height() * 4;
        if (bytes > qint64(AllocationLimitMb) * 1024 * 1024)
            return std::nullopt;
    }
    QImage picture;
    if (!reader.read(&picture) || picture.isNull() || picture.size().isEmpty())
        return std::nullopt;
    return picture;
}

bool save(const QImage& picture, const QString& path)
{
    if (picture.isNull())
        return false;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    // Written beside and renamed over the old photo, so a failed write leaves it intact.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, info.suffix().toLower().toLatin1());
    if (!writer.write(picture)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace PhotoFile

QSize fittedPhotoSize(QSize picture, QSize box)
{
    if (picture.isEmpty())
        return {};
    if (picture.width() <= box.width() && picture.height() <= box.height())
        return picture;
    return picture.scaled(box, Qt::KeepAspectRatio);
}
