#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// Everything that would block a test or talk to the desktop goes through here:
// message boxes, file dialogs, the print dialog and preview, the shell, "today" and the
// program folder.
// Production calls Qt (QtPlatform); tests install a fake that answers and records.
class Platform {
public:
    // Notice and Caution look as Information and Warning but carry OK alone, for boxes that
    // only inform; CarefulQuestion is a question whose default is No.
    enum class MessageKind { Warning, Error, Information, Question, Plain, Notice, Caution, CarefulQuestion };
    enum class Answer { Ok, Cancel, Yes, No };

    // A filter is written as description|patterns pairs, as in
    // "Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp".
    struct FileDialogOptions {
        QString title;
        QString filter;
        QString presetName;
        QString defaultExtension; // without the dot; added to a name typed without one
        bool confirmOverwrite = false;
    };

    // A prepared report handed to the print dialog or the preview: its paper and page
    // count, and how to paint pages from..to (1-based, inclusive) on a device. paint
    // raises the report engine's errors.
    struct PrintJob {
        QString documentName; // what a printer queue or a PDF printer names the job
        QPageLayout layout;
        int pageCount = 0;
        std::function<void(QPagedPaintDevice& device, int fromPage, int toPage)> paint;
    };

    virtual ~Platform() = default;

    // Warning, error and information carry OK and Cancel (OK the default); a question
    // carries Yes and No (Yes the default, No for a careful one); the plain box, a notice and
    // a caution carry OK only.
    virtual Answer message(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // The chosen file's full path, or an empty string when the user cancels.
    virtual QString openFileName(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogOptions& options) = 0;
    // The folder dialog, opened at startFolder; the chosen folder, or empty when cancelled.
    virtual QString folderName(QWidget* parent, const QString& title, const QString& startFolder) = 0;
    // The print dialog with the default printer preselected (printer, page range,
    // copies); false when the user cancels. Raises what job.paint raises.
    virtual bool print(QWidget* parent, const PrintJob& job) = 0;
    // The modal, maximised preview at 100 %; returns when the user closes it. Raises
    // what job.paint raises.
    virtual void preview(QWidget* parent, const PrintJob& job) = 0;
    // Hands a file path (in double quotes) or an address to the desktop shell; false when
    // the desktop has no program for it.
    virtual bool openWithShell(const QString& target) = 0;
    virtual QDate today() const = 0;
    // The moment, to the second, for texts that say when something was written; its date
    // is today().
    virtual QDateTime now() const = 0;
    // Who writes: the computer's name and the system user, as the vehicle's history records them.
    virtual QString computerName() const = 0;
    virtual QString userName() const = 0;
    // The folder that holds the archive and every other data file, with a trailing separator.
    virtual QString programFolder() const = 0;

    static Platform& instance();
    // Replaces the current platform; the caller keeps ownership. nullptr restores Qt's.
    static void install(Platform* platform);

    // The buttons each kind of box carries, in their order; the last one is Escape's.
    static QList<Answer> buttonsOf(MessageKind kind);
    // The button Enter presses and an unanswered fake box takes.
    static Answer defaultOf(MessageKind kind);
};

// Short forms for the windows' message boxes.
namespace Messages {
inline Platform::Answer warning(QWidget* parent, const QString& text)
{
    return Platform::instance().message(parent, Platform::MessageKind::Warning, text);
}
inline Platform::Answer error(QWidget* parent, const QString& text)
{
    return Platform::instance().message(parent, Platform::MessageKind::Error, text);
}
inline Platform::Answer information(QWidget* parent, const QString& text)
{
    return Platform::instance().message(parent, Platform::MessageKind::Information, text);
}
inline bool question(QWidget* parent, const QString& text)
{
    return Platform::instance().message(parent, Platform::MessageKind::Question, text) != Platform::Answer::No;
}
// Yes and No with No the default, for a question whose Yes is hard to take back.
inline bool carefulQuestion(QWidget* parent, const QString& text)
{
    return Platform::instance().message(parent, Platform::MessageKind::CarefulQuestion, text) == Platform::Answer::Yes;
}
// An information or a warning that only informs: OK alone.
inline void notice(QWidget* parent, const QString& text)
{
    Platform::instance().message(parent, Platform::MessageKind::Notice, text);
}
inline void caution(QWidget* parent, const QString& text)
{
    Platform::instance().message(parent, Platform::MessageKind::Caution, text);
}
inline void plain(QWidget* parent, const QString& text)
{
    Platform::instance().message(parent, Platform::MessageKind::Plain, text);
}
// Opens a file or an address with the shell, and tells the clerk when nothing will open it.
void openWithShell(QWidget* parent, const QString& target);
} // namespace Messages
