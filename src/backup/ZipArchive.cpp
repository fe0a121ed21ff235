#include "backup/ZipArchive.h"

#include <QFile>
#include <QIODevice>

#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

#include <sys/stat.h>
#include <zip.h>

namespace Zip {

namespace {

QString libzipError(zip_t* archive)
{
    return QString::fromLocal8Bit(zip_strerror(archive));
}

QString openError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

struct CloseState {
    const Job::Progress& progress;
    const Job::Cancelled& cancelled;
};

void reportProgress(zip_t*, double done, void* state)
{
    const auto* close = static_cast<CloseState*>(state);
    if (close->progress)
        close->progress(done);
}

int askCancel(zip_t*, void* state)
{
    const auto* close = static_cast<CloseState*>(state);
    return close->cancelled && close->cancelled() ? 1 : 0;
}

// An entry whose bytes a feed pushes from its own thread while libzip pulls them. At most
// two chunks wait, so memory stays a few MiB however large the file.
class FedSource {
public:
    FedSource(Feed feed, qint64 expectedSize) : m_feed(std::move(feed)), m_expectedSize(expectedSize)
    {
        zip_error_init(&m_error);
    }
    ~FedSource()
    {
        stop();
        zip_error_fini(&m_error);
    }
    FedSource(const FedSource&) = delete;
    FedSource& operator=(const FedSource&) = delete;

    static zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        auto* source = static_cast<FedSource*>(state);
        switch (command) {
        case ZIP_SOURCE_OPEN:
            // No exception may pass through libzip.
            try {
                source->start();
            } catch (const std::system_error&) {
                zip_error_set(&source->m_error, ZIP_ER_MEMORY, 0);
                return -1;
            }
            return 0;
        case ZIP_SOURCE_READ:
            return source->read(static_cast<char*>(data), length);
        case ZIP_SOURCE_CLOSE:
            source->stop();
            return 0;
        case ZIP_SOURCE_STAT: {
            auto* stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &source->m_error);
            if (!stat)
                return -1;
            zip_stat_init(stat);
            stat->size = static_cast<zip_uint64_t>(source->m_expectedSize);
            stat->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&source->m_error, data, length);
        case ZIP_SOURCE_FREE:
            delete source;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&source->m_error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

private:
    struct GivenUp {};

    void start()
    {
        stop();
        m_ready.clear();
        m_current.clear();
        m_offset = 0;
        m_finished = false;
        m_stopping = false;
        m_failed = false;
        m_producer = std::thread([this] { produce(); });
    }

    void produce()
    {
        bool failed = false;
        try {
            m_feed([this](const char* bytes, qint64 size) { push(bytes, size); });
        } catch (const GivenUp&) {
        } catch (...) {
            failed = true;
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_failed = failed;
        m_finished = true;
        m_changed.notify_all();
    }

    void push(const char* bytes, qint64 size)
    {
        QByteArray chunk(bytes, static_cast<qsizetype>(size));
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_stopping || m_ready.size() < 2; });
        if (m_stopping)
            throw GivenUp{};
        m_ready.push_back(std::move(chunk));
        m_changed.notify_all();
    }

    zip_int64_t read(char* into, zip_uint64_t wanted)
    {
        if (m_offset == m_current.size()) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [this] { return m_finished || !m_ready.empty(); });
            if (m_ready.empty()) {
                if (!m_failed)
                    return 0;
                zip_error_set(&m_error, ZIP_ER_READ, EIO);
                return -1;
            }
            m_current = std::move(m_ready.front());
            m_ready.pop_front();
            m_offset = 0;
            m_changed.notify_all();
        }
        const qsizetype given = qMin(static_cast<qsizetype>(wanted), m_current.size() - m_offset);
        std::memcpy(into, m_current.constData() + m_offset, static_cast<size_t>(given));
        m_offset += given;
        return given;
    }

    // Ends the feed, which lets go of whatever it holds, before libzip goes on.
    void stop()
    {
        if (!m_producer.joinable())
            return;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
            m_changed.notify_all();
        }
        m_producer.join();
    }

    Feed m_feed;
    qint64 m_expectedSize;
    zip_error_t m_error;
    std::thread m_producer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_ready;
    QByteArray m_current;
    qsizetype m_offset = 0;
    bool m_finished = false;
    bool m_stopping = false;
    bool m_failed = false;
};

} // namespace

Writer::Writer(const QString& path)
{
    int code = 0;
    // The path may hold the empty file that reserved the name; close() replaces it.
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!m_zip)
        m_error = openError(code);
}

Writer::~Writer()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool Writer::fail()
{
    m_error = libzipError(m_zip);
    return false;
}

bool Writer::addFile(const QString& name, const QString& sourcePath, const QDateTime& modified, Method method)
{
    if (!m_zip)
        return false;
    return add(name, zip_source_file(m_zip, QFile::encodeName(sourcePath).constData(), 0, -1), modified, method);
}

bool Writer::addFed(const QString& name, Feed feed, qint64 expectedSize, const QDateTime& modified, Method method)
{
    if (!m_zip)
        return false;
    auto* state = new FedSource(std::move(feed), expectedSize);
    zip_source_t* source = zip_source_function(m_zip, FedSource::callback, state);
    if (!source)
        delete state;
    return add(name, source, modified, method);
}

bool Writer::add(const QString& name, zip_source_t* source, const QDateTime& modified, Method method)
{
    if (!source)
        return fail();
    const zip_int64_t index = zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return fail();
    }
    const zip_int32_t compression = method == Method::Store ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    // Level 1: the fastest deflate, since the records are mostly padding anyway.
    if (zip_set_file_compression(m_zip, static_cast<zip_uint64_t>(index), compression, 1) != 0)
        return fail();
    if (zip_file_set_mtime(m_zip, static_cast<zip_uint64_t>(index), static_cast<time_t>(modified.toSecsSinceEpoch()),
                           0) != 0)
        return fail();
    return true;
}

bool Writer::addFolder(const QString& name)
{
    if (!m_zip)
        return false;
    return zip_dir_add(m_zip, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8) >= 0 || fail();
}

bool Writer::close(const Job::Progress& progress, const Job::Cancelled& cancelled)
{
    if (!m_zip)
        return false;
    CloseState state{progress, cancelled};
    zip_register_progress_callback_with_state(m_zip, 0.01, reportProgress, nullptr, &state);
    zip_register_cancel_callback_with_state(m_zip, askCancel, nullptr, &state);
    if (zip_close(m_zip) != 0) {
        fail();
        zip_discard(m_zip);
        m_zip = nullptr;
        return false;
    }
    m_zip = nullptr;
    return true;
}

Reader::Reader(const QString& path)
{
    int code = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_zip) {
        m_error = openError(code);
        return;
    }
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)) {
            m_error = libzipError(m_zip);
            zip_discard(m_zip);
            m_zip = nullptr;
            m_entries.clear();
            return;
        }
        Entry entry;
        entry.name = QString::fromUtf8(stat.name);
        entry.size = (stat.valid & ZIP_STAT_SIZE) ? static_cast<qint64>(stat.size) : 0;
        if (stat.valid & ZIP_STAT_MTIME)
            entry.modified = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(stat.mtime));
        entry.isFolder = entry.name.endsWith(QLatin1Char('/'));
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(m_zip, static_cast<zip_uint64_t>(i), 0, &system, &attributes) == 0 &&
            system == ZIP_OPSYS_UNIX)
            entry.isLink = ((attributes >> 16) & S_IFMT) == S_IFLNK;
        m_entries.append(entry);
    }
}

Reader::~Reader()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool Reader::extract(int index, QIODevice* sink, const Job::Cancelled& cancelled)
{
    if (!m_zip || index < 0 || index >= m_entries.size())
        return false;
    zip_file_t* file = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        m_error = libzipError(m_zip);
        return false;
    }
    // libzip checks the entry's CRC once the last byte is read, and fails that read.
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    qint64 total = 0;
    bool ok = true;
    for (;;) {
        const zip_int64_t got = zip_fread(file, chunk.data(), static_cast<zip_uint64_t>(chunk.size()));
        if (got < 0) {
            m_error = QString::fromLocal8Bit(zip_file_strerror(file));
            ok = false;
            break;
        }
        if (got == 0)
            break;
        total += got;
        // An entry that inflates past its declared size is refused before its excess is written.
        if (total > m_entries.at(index).size) {
            m_error = QStringLiteral("%1: longer than declared").arg(m_entries.at(index).name);
            ok = false;
            break;
        }
        if (sink && sink->write(chunk.constData(), got) != got) {
            m_error = sink->errorString();
            ok = false;
            break;
        }
        if (cancelled && cancelled()) {
            m_error = QStringLiteral("cancelled");
            ok = false;
            break;
        }
    }
    zip_fclose(file);
    if (ok && total != m_entries.at(index).size) {
        m_error = QStringLiteral("%1: short entry").arg(m_entries.at(index).name);
        ok = false;
    }
    return ok;
}

} // namespace Zip
