#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Vehicle photos: one JPEG per archive position in the folder "Autoparco" of the
// program folder. Every failure is reported as an empty result, never thrown.
namespace PhotoFile {
// programFolder ends with a separator; position is the trimmed text of the position label.
QString pathFor(const QString& programFolder, const QString& position);

// Decodes a picture file (JPEG, bitmap, or any format Qt reads). Huge or corrupt files
// give nothing instead of exhausting memory or stalling the card.
std::optional<QImage> load(const QString& path);

// The same picture no larger than box, proportions kept: decoded at that size where the
// format allows, which is much faster for a large photo shown small.
std::optional<QImage> loadFitted(const QString& path, QSize box);

// Writes the picture encoded by the file's extension (JPEG for ".jpg"), replacing a
// file of that name. Missing folders on the way are created.
bool save(const QImage& picture, const QString& path);

// The largest decoded picture accepted, in megabytes of pixel memory.
constexpr int AllocationLimitMb = 256;
// The most memory the decoder may use on the way, in megabytes.
constexpr int WorkingMemoryLimitMb = 512;
// Below one byte of file for this many pixels, a JPEG is taken for damaged.
constexpr qint64 MaxPixelsPerJpegByte = 1024;
} // namespace PhotoFile

// The display rule of every photo: its own size when it fits the box, otherwise scaled
// down uniformly until it fits; never enlarged. Centring is up to the caller.
QSize fittedPhotoSize(QSize picture, QSize box);
