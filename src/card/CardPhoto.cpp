// The card's photo: stored per position in the folder "Autoparco", loaded from and saved
// to files of the user's choice, removed and zoomed. No photo operation shows a message:
// every failure ends with the placeholder.
#include "card/TfrmAutoparco.h"

#include "card/TfrmZoom.h"
#include "photo/PhotoFile.h"
#include "platform/Platform.h"
#include "widgets/ModalWindow.h"
#include "widgets/PhotoView.h"

#include <QDir>
#include <QFileInfo>

namespace {

Platform::FileDialogOptions dlgFile()
{
    Platform::FileDialogOptions options;
    options.title = QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
    options.filter = QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp");
    return options;
}

Platform::FileDialogOptions dlgSalvaFile()
{
    Platform::FileDialogOptions options;
    options.title = QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    options.filter = QStringLiteral("File Jpeg (*.jpg)|*.jpg");
    options.presetName = QStringLiteral("Foto.jpg");
    options.defaultExtension = QStringLiteral("jpg");
    options.confirmOverwrite = true;
    return options;
}

QString photoFileOfCard(const QString& position)
{
    return PhotoFile::pathFor(Platform::instance().programFolder(), position);
}

} // namespace

void TfrmAutoparco::showPlaceholder()
{
    imgFoto->setPicture(imgBianco->picture());
}

void TfrmAutoparco::subSalvaFotoScheda()
{
    if (!PhotoFile::save(imgFoto->picture(), photoFileOfCard(position())))
        showPlaceholder();
}

void TfrmAutoparco::subApriFotoScheda()
{
    const QString file = photoFileOfCard(position());
    // The photo folder is created on loading too, as on storing.
    QDir().mkpath(QFileInfo(file).absolutePath());
    const std::optional<QImage> picture = PhotoFile::load(file);
    if (picture)
        imgFoto->setPicture(*picture);
    else
        showPlaceholder();
}

void TfrmAutoparco::btnCaricaFotoClick()
{
    const QString chosen = Platform::instance().openFileName(this, dlgFile());
    if (chosen.isEmpty())
        return;
    const std::optional<QImage> picture = PhotoFile::load(chosen);
    if (picture)
        imgFoto->setPicture(*picture);
    else
        showPlaceholder();
}

void TfrmAutoparco::btnSalvaFotoClick()
{
    const QString chosen = Platform::instance().saveFileName(this, dlgSalvaFile());
    if (chosen.isEmpty())
        return;
    if (!PhotoFile::save(imgFoto->picture(), chosen))
        showPlaceholder();
}

void TfrmAutoparco::btnCancFotoClick()
{
    showPlaceholder();
}

void TfrmAutoparco::btnZoomFotoClick()
{
    openModal<TfrmZoom>(this, [this](TfrmZoom& zoom) { zoom.setPicture(imgFoto->picture()); });
}
