#pragma once

#include "FakePlatform.h"
#include "WindowTest.h"

#include "archive/TSchedaVeicolo.h"
#include "card/TfrmAutoparco.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

class QLabel;
class QLineEdit;

// Helpers for the card's tests.
namespace Gui {
// The 32 edit boxes and the 6 hidden labels of a card, in stored order.
QList<QLineEdit*> editBoxes(const TfrmAutoparco* card);
QList<QLabel*> attachmentLabels(const TfrmAutoparco* card);

// Fails the current test unless the card is new and empty: boxes, hidden labels and
// position empty, the placeholder photo and the focus in txtTipo.
void verifyNewAndEmpty(const TfrmAutoparco* card);

} // namespace Gui

// The vehicle card shown on a fresh program folder, with the archive and photo helpers
// the card tests share. Permissions taken away by makeUnreachable() come back on destruction.
class CardFixture {
public:
    // The ways the archive becomes unreachable.
    enum class Failure {
        ArchiveIsFolder, // a folder stands where the archive should be
        FolderUnderFile, // the program folder lies under a regular file
        ReadOnlyArchive, // the archive exists, read-only
        ReadOnlyFolder,  // the program folder is read-only and the archive missing
    };

    CardFixture();
    ~CardFixture();
    CardFixture(const CardFixture&) = delete;
    CardFixture& operator=(const CardFixture&) = delete;

    FakePlatform platform;
    TfrmAutoparco card;

    // Vehicle n as the fixtures store it: Tipo "Veicolo n", every required field and some others.
    static TSchedaVeicolo vehicle(int n);
    // Appends vehicles 1 to count; -1 leaves the archive missing, 0 makes it empty.
    void writeVehicles(int count);
    void writeRecord(const TSchedaVeicolo& record);
    // Shows the stored record at position p, as the navigation commands show it.
    void showStored(int position);

    void click(const char* name) { Gui::click(&card, name); }
    QLineEdit* box(const char* name) const { return Gui::editBox(&card, name); }
    // Replaces a box's text by typing.
    void type(const char* name, const QString& text);
    QString positionText() const;
    QString tipo() const;
    PhotoView* imgFoto() const { return Gui::photoView(&card, "imgFoto"); }
    // Queues the file and clicks btnCaricaFoto.
    void loadPhoto(const QString& path);

    // The boxes shown since the last call, one "Kind: text" line each.
    QStringList takeMessages();
    static QString shown(Platform::MessageKind kind, const QString& text);
    static QString accessFailure();
    static QString emptyArchive();

    QString archivePath() const { return platform.archivePath(); }
    QByteArray archiveBytes() const { return Gui::readFile(archivePath()); }
    QString photoPath(int position) const;
    // A picture file outside the photo folder, written in the given format.
    QString pictureFile(const QString& name, const QImage& picture, const char* format);

    void makeUnreachable(Failure failure);
    static bool needsPermissions(Failure failure)
    {
        return failure == Failure::ReadOnlyArchive || failure == Failure::ReadOnlyFolder;
    }

private:
    QStringList m_lockedFiles;
    QStringList m_lockedFolders;
};

Q_DECLARE_METATYPE(CardFixture::Failure)
