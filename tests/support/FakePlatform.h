#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QTemporaryDir>

// The platform of the tests: a fresh temporary program folder, a fixed "today", and
// message boxes and file dialogs that are answered from queues and recorded, never shown.
// Installed on construction, removed on destruction.
class FakePlatform final : public Platform {
public:
    struct ShownMessage {
        MessageKind kind;
        QString text;
        QList<Answer> buttons;
        Answer defaultButton;
    };
    struct ShownDialog {
        bool save;
        FileDialogOptions options;
    };
    struct ShownPrint {
        bool preview;
        QPageLayout layout;
        int pageCount;
    };

    FakePlatform();
    ~FakePlatform() override;

    // Answers for the next boxes; without one a box is answered with its default button.
    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    // Paths for the next file dialogs; an empty path cancels. Without one a dialog is cancelled.
    void queueFileName(const QString& path) { m_fileNames.enqueue(path); }
    // Folders for the next folder dialogs; an empty one cancels. Without one a dialog is cancelled.
    void queueFolderName(const QString& folder) { m_folderNames.enqueue(folder); }
    struct ShownFolderDialog {
        QString title;
        QString startFolder;
    };
    QList<ShownFolderDialog> folderDialogs;

    // PDF files for the next print dialogs, painted as a printer would be; an empty path
    // cancels. Without one a print dialog is cancelled.
    void queuePrintFile(const QString& pdfPath) { m_printFiles.enqueue(pdfPath); }
    // Where the preview's pages are painted; without it they are painted and discarded.
    QString previewFile;

    QList<ShownMessage> messages;
    QList<ShownPrint> prints;
    QList<ShownDialog> dialogs;
    QStringList shellOpened;
    // What the shell answers: false as a desktop with no program for the target.
    bool shellOpens = true;
    QDate fixedToday = QDate(2026, 12, 10);
    // The time of day now() adds to fixedToday.
    QTime fixedTime = QTime(10, 30, 0);
    QString fixedComputer = QStringLiteral("UFFICIO-1");
    QString fixedUser = QStringLiteral("impiegato");

    QString folder() const { return m_folder; }
    void setProgramFolder(const QString& folderWithSeparator) { m_folder = folderWithSeparator; }
    // The archive's full path in the program folder.
    QString archivePath() const;

    Answer message(QWidget* parent, MessageKind kind, const QString& text) override;
    QString openFileName(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFileName(QWidget* parent, const FileDialogOptions& options) override;
    QString folderName(QWidget* parent, const QString& title, const QString& startFolder) override;
    bool print(QWidget* parent, const PrintJob& job) override;
    void preview(QWidget* parent, const PrintJob& job) override;
    bool openWithShell(const QString& target) override;
    QDate today() const override { return fixedToday; }
    QDateTime now() const override { return QDateTime(fixedToday, fixedTime); }
    QString computerName() const override { return fixedComputer; }
    QString userName() const override { return fixedUser; }
    QString programFolder() const override { return m_folder; }

private:
    QTemporaryDir m_dir;
    QString m_folder;
    QQueue<Answer> m_answers;
    QQueue<QString> m_fileNames;
    QQueue<QString> m_folderNames;
    QQueue<QString> m_printFiles;
};

// The kind's name as the enumeration spells it: "Warning", "Question", "Notice", ...
const char* kindName(Platform::MessageKind kind);
char* toString(const Platform::MessageKind& kind);
