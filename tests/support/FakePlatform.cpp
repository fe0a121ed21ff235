#include "FakePlatform.h"

#include <QtTest>

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
    messages.append({kind, text, buttonsOf(kind)});
    return m_answers.isEmpty() ? buttonsOf(kind).constFirst() : m_answers.dequeue();
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

void FakePlatform::openWithShell(const QString& target)
{
    shellOpened.append(target);
}

const char* kindName(Platform::MessageKind kind)
{
    static const char* const names[] = {"Warning", "Error", "Information", "Question", "Plain"};
    return names[static_cast<int>(kind)];
}

char* toString(const Platform::MessageKind& kind)
{
    return qstrdup(kindName(kind));
}
