#include "photo/PhotoFile.h"

#include "files/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace PhotoFile {
QString pathFor(const QString& programFolder, const QString& position)
{
    return programFolder + QStringLiteral("Autoparco") + QLatin1Char('/') + QStringLiteral("Scheda_Veicolo_") +
           position + QStringLiteral(".jpg");
}

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Whether the decoder may go ahead with the picture the header announces.
bool plausible(QImageReader& reader, qint64 fileSize)
{
    const QSize announced = reader.size();
    if (!announced.isValid())
        return true;
    const qint64 pixels = qint64(announced.width()) * announced.height();
    const qint64 output = pixels * 4;
    if (output > qint64(AllocationLimitMb) * MiB)
        return false;
    if (reader.format() == "jpeg") {
        // A progressive JPEG keeps every coefficient of the picture while it decodes:
        // about as much memory again as the output.
        if (2 * output > qint64(WorkingMemoryLimitMb) * MiB)
            return false;
        // Even a picture of one colour costs a JPEG about a bit per 8 x 8 block; a file
        // far smaller than that is a damaged one that would still be decoded in full.
        if (fileSize * MaxPixelsPerJpegByte < pixels)
            return false;
    }
    return true;
}

std::optional<QImage> read(const QString& path, const QSize& box)
{
    QImageReader reader(path);
    // Pixels as stored: the card shows and saves the picture at the size it was loaded.
    reader.setAutoTransform(false);
    reader.setAllocationLimit(WorkingMemoryLimitMb);
    if (!reader.canRead())
        return std::nullopt;
    // A header announcing a huge picture is refused before any pixel is decoded, whatever
    // the format plugin does with the allocation limit.
    if (!plausible(reader, QFileInfo(path).size()))
        return std::nullopt;
    const QSize announced = reader.size();
    if (box.isValid() && announced.isValid() && (announced.width() > box.width() || announced.height() > box.height()))
        reader.setScaledSize(fittedPhotoSize(announced, box));
    QImage picture;
    if (!reader.read(&picture) || picture.isNull() || picture.size().isEmpty())
        return std::nullopt;
    return picture;
}

} // namespace

std::optional<QImage> load(const QString& path)
{
    return read(path, QSize());
}

std::optional<QImage> loadFitted(const QString& path, QSize box)
{
    return read(path, box);
}

bool save(const QImage& picture, const QString& path)
{
    if (picture.isNull())
        return false;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    // Written beside and renamed over the old photo, so a failed write leaves it intact.
    SafeFile file(path);
    if (!file.open())
        return false;
    QImageWriter writer(file.device(), info.suffix().toLower().toLatin1());
    if (!writer.write(picture)) {
        file.cancel();
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
