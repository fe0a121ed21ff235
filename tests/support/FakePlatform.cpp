#include "FakePlatform.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QtTest>

namespace {

// The fake printer is a PDF writer at a printer's resolution; a path that cannot be
// written makes it a printer that cannot be reached.
template <typename Target> void paintAsPdf(Target target, const Platform::PrintJob& job)
{
    QPdfWriter writer(target);
    writer.setResolution(300);
    writer.setTitle(job.documentName);
    job.paint(writer, 1, job.pageCount);
}

} // namespace

FakePlatform::FakePlatform() : m_folder(m_dir.path() + QLatin1Char('/'))
{
    Platform::install(this);
}

FakePlatform::~FakePlatform()
{
    Platform::install(nullptr);
}

QString FakePlatform::archivePath() const
{
    return m_folder + QStringLiteral("Parco_Automezzi.pro");
}

Platform::Answer FakePlatform::message(QWidget*, MessageKind kind, const QString& text)
{
    messages.append({kind, text, buttonsOf(kind), defaultOf(kind)});
    return m_answers.isEmpty() ? defaultOf(kind) : m_answers.dequeue();
}

QString FakePlatform::openFileName(QWidget*, const FileDialogOptions& options)
{
    dialogs.append({false, options});
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}

QString FakePlatform::saveFileName(QWidget*, const FileDialogOptions& options)
{
    dialogs.append({true, options});
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}

QString FakePlatform::folderName(QWidget*, const QString& title, const QString& startFolder)
{
    folderDialogs.append({title, startFolder});
    return m_folderNames.isEmpty() ? QString() : m_folderNames.dequeue();
}

bool FakePlatform::print(QWidget*, const PrintJob& job)
{
    prints.append({false, job.layout, job.pageCount});
    const QString path = m_printFiles.isEmpty() ? QString() : m_printFiles.dequeue();
    if (path.isEmpty())
        return false;
    paintAsPdf(path, job);
    return true;
}

void FakePlatform::preview(QWidget*, const PrintJob& job)
{
    prints.append({true, job.layout, job.pageCount});
    QBuffer discarded;
    if (previewFile.isEmpty())
        paintAsPdf(&discarded, job);
    else
        paintAsPdf(previewFile, job);
}

bool FakePlatform::openWithShell(const QString& target)
{
    shellOpened.append(target);
    return shellOpens;
}

const char* kindName(Platform::MessageKind kind)
{
    static const char* const names[] = {"Warning", "Error",  "Information", "Question",
                                        "Plain",   "Notice", "Caution",     "CarefulQuestion"};
    return names[static_cast<int>(kind)];
}

char* toString(const Platform::MessageKind& kind)
{
    return qstrdup(kindName(kind));
}
