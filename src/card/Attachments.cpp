#include "card/Attachments.h"

#include "archive/StoredText.h"
#include "files/SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace Attachments {

QString folder(const QString& programFolder)
{
    return programFolder + QStringLiteral("Documenti_Allegati/");
}

QString bareName(const QString& name)
{
    const qsizetype separator = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    const QString bare = name.mid(separator + 1);
    return bare == QLatin1String(".") || bare == QLatin1String("..") ? QString() : bare;
}

QString shellTarget(const QString& programFolder, const QString& slotName)
{
    const QString bare = bareName(StoredText::trimmed(slotName));
    if (bare.isEmpty())
        return {};
    return QLatin1Char('"') + folder(programFolder) + bare + QLatin1Char('"');
}

Copy copyFile(const QString& source, const QString& target)
{
    const QString sourceFile = QFileInfo(source).canonicalFilePath();
    if (!sourceFile.isEmpty() && sourceFile == QFileInfo(target).canonicalFilePath())
        return Copy::SameFile;

    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return Copy::Failed;
    SafeFile output(target);
    if (!output.open())
        return Copy::Failed;
    constexpr qint64 ChunkSize = 1 << 20;
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(ChunkSize);
        if (chunk.isEmpty() && input.error() != QFileDevice::NoError)
            return Copy::Failed; // SafeFile drops the temporary file
        if (!output.write(chunk))
            return Copy::Failed;
    }
    if (input.error() != QFileDevice::NoError)
        return Copy::Failed;
    return output.commit() ? Copy::Copied : Copy::Failed;
}

} // namespace Attachments
