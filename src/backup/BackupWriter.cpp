#include "backup/BackupWriter.h"

#include "archive/FixedRecordFile.h"
#include "backup/BackupContents.h"
#include "backup/BackupName.h"
#include "backup/ZipArchive.h"
#include "files/SafeFile.h"

#include <QDir>
#include <QFileInfo>

#include <mutex>

namespace BackupWriter {

namespace {

std::mutex& oneAtATime()
{
    static std::mutex running;
    return running;
}

std::function<void(const QString&)>& afterClose()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

struct Stopped {
    Result::Outcome outcome;
    QString error;
};

// Photos and most attachments are compressed already; deflating them again only costs time.
Zip::Writer::Method methodFor(const QString& name)
{
    static const QStringList packed = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                       QStringLiteral("zip"), QStringLiteral("docx"), QStringLiteral("xlsx"),
                                       QStringLiteral("gz"),  QStringLiteral("mp4"),  QStringLiteral("7z")};
    return packed.contains(QFileInfo(name).suffix().toLower()) ? Zip::Writer::Method::Store
                                                               : Zip::Writer::Method::Deflate;
}

class Run {
public:
    explicit Run(const Request& request) : m_request(request) {}

    Result make()
    {
        Result result;
        try {
            result.path = write();
            result.outcome = Result::Outcome::Made;
        } catch (const Stopped& stopped) {
            result.outcome = stopped.outcome;
            result.error = stopped.error;
        } catch (const std::exception& error) {
            result.error = QString::fromLocal8Bit(error.what());
        }
        return result;
    }

private:
    [[noreturn]] void fail(const QString& why) { throw Stopped{Result::Outcome::Failed, why}; }

    void checkCancel()
    {
        if (m_request.cancelled && m_request.cancelled())
            throw Stopped{Result::Outcome::Cancelled, QStringLiteral("cancelled")};
    }

    void progress(double share)
    {
        if (m_request.progress)
            m_request.progress(qBound(0.0, share, 1.0));
    }

    QString write()
    {
        const QString folder = m_request.intoFolder;
        if (!QDir().mkpath(folder))
            fail(QStringLiteral("cannot create %1").arg(folder));
        const QList<BackupContents::DataFile> files = BackupContents::dataFiles(m_request.programFolder);

        // Unwinding drops the temporary file, once libzip has let go of it.
        const QString finalPath = freeName(folder);
        SafePath backup(finalPath);
        if (backup.temporaryPath().isEmpty())
            fail(backup.errorString());
        Zip::Writer zip(backup.temporaryPath());
        if (!zip.isOpen())
            fail(zip.errorString());

        // libzip reads the record files as it writes them, each under its writers' lock for
        // just that long, so that another PC's save lands wholly before or after the copy.
        for (const BackupContents::DataFile& file : files) {
            const bool added =
                file.recordSize > 0
                    ? zip.addFed(file.name, recordsOf(file), file.size, file.modified, methodFor(file.name))
                    : zip.addFile(file.name, file.path, file.modified, methodFor(file.name));
            if (!added)
                fail(zip.errorString());
        }
        checkCancel();
        if (!zip.close([this](double done) { progress(0.85 * done); },
                       [this] { return m_request.cancelled && m_request.cancelled(); })) {
            checkCancel();
            fail(zip.errorString());
        }
        if (afterClose())
            afterClose()(backup.temporaryPath());

        // Read back while the device takes the bytes: only a whole backup is renamed.
        if (!backup.commit([&] { verify(backup.temporaryPath(), files.size()); }))
            fail(backup.errorString());
        progress(1.0);
        return finalPath;
    }

    static Zip::Feed recordsOf(const BackupContents::DataFile& file)
    {
        return [path = file.path, recordSize = file.recordSize](const Zip::Sink& sink) {
            // A file removed since it was listed stands as an empty entry; none is created.
            if (!QFileInfo::exists(path))
                return;
            FixedRecordFile records(path, recordSize);
            records.readAllUnderLock(sink);
            records.close();
        };
    }

    // Reopens the written ZIP and reads every entry back through its CRC.
    void verify(const QString& path, qsizetype expectedEntries)
    {
        Zip::Reader reader(path);
        if (!reader.isOpen())
            fail(reader.errorString());
        if (reader.entries().size() != expectedEntries)
            fail(QStringLiteral("%1 entries instead of %2").arg(reader.entries().size()).arg(expectedEntries));
        for (int i = 0; i < reader.entries().size(); ++i) {
            if (!reader.extract(i, nullptr, m_request.cancelled)) {
                checkCancel();
                fail(reader.errorString());
            }
            progress(0.85 + 0.15 * (i + 1) / static_cast<double>(expectedEntries));
        }
    }

    QString freeName(const QString& folder) const
    {
        QDateTime when = m_request.when;
        while (QFileInfo::exists(folder + BackupName::of(when)))
            when = when.addSecs(1);
        return folder + BackupName::of(when);
    }

    const Request& m_request;
};

} // namespace

Result make(const Request& request)
{
    std::unique_lock<std::mutex> running(oneAtATime(), std::try_to_lock);
    if (!running.owns_lock())
        return {Result::Outcome::Busy, {}, QStringLiteral("another backup is running")};
    return Run(request).make();
}

void setAfterCloseForTesting(std::function<void(const QString&)> hook)
{
    afterClose() = std::move(hook);
}

} // namespace BackupWriter
