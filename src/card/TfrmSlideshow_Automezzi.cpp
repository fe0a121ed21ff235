#include "card/TfrmSlideshow_Automezzi.h"

#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "card/SlideshowStep.h"
#include "photo/PhotoFile.h"
#include "platform/Platform.h"
#include "widgets/ArtworkImage.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/PhotoView.h"
#include "widgets/ScreenPhoto.h"
#include "widgets/WindowFrame.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

// The container takes the screen's size when the window shows.
const WindowFrame Frame = WindowFrame::maximised("frmSlideshow_Automezzi", " Slide Show Parco Automezzi", {800, 600})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .withProcessFormats();

} // namespace

TfrmSlideshow_Automezzi::TfrmSlideshow_Automezzi(QWidget* parent) : QDialog(parent)
{
    panContainer = buildFrame(this, Frame);
    connect(new ClickWatcher(panContainer), &ClickWatcher::clicked, this, &TfrmSlideshow_Automezzi::panContainerClick);
    imgFoto = new PhotoView(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    connect(imgFoto, &PhotoView::clicked, this, &TfrmSlideshow_Automezzi::imgFotoClick);

    imgBianco = new PhotoView(panContainer);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->setPicture(ArtworkImage::rendered(objectName(), QStringLiteral("imgBianco"), {685, 427}, Qt::white));
    imgBianco->hide();

    lblPosizione = new QLabel(panContainer);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();

    // The timer clicks the hidden cmdAvanti; a step is that click.
    ArtworkImage* cmdAvanti = Controls::picture(panContainer, "cmdAvanti", {0, 0, 37, 39}, true);
    cmdAvanti->hide();
    connect(cmdAvanti, &ArtworkImage::clicked, this, &TfrmSlideshow_Automezzi::cmdAvantiClick);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(StepIntervalMs);
    connect(Timer, &QTimer::timeout, this, &TfrmSlideshow_Automezzi::TimerTimer);
}

void TfrmSlideshow_Automezzi::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitPhotoToScreen(this, panContainer, imgFoto);
    imgFoto->setPicture(imgBianco->picture());
    Timer->start();
}

void TfrmSlideshow_Automezzi::TimerTimer()
{
    emit findChild<ArtworkImage*>(QStringLiteral("cmdAvanti"))->clicked();
}

void TfrmSlideshow_Automezzi::cmdAvantiClick()
{
    SlideshowStep step;
    try {
        VehicleArchive archive(Platform::instance().programFolder());
        step = slideshowStep(lblPosizione->text(), archive.count());
        // The record is read only to walk through the archive.
        if (step.kind == SlideshowStep::Kind::Show)
            archive.readAt(step.index);
        archive.close();
    } catch (...) {
        // The timer waits while the box is open, so boxes never pile up; the next step
        // tries again.
        const bool running = Timer->isActive();
        Timer->stop();
        Messages::error(this, ArchiveMessages::accessFailure());
        if (running && isVisible())
            Timer->start();
        return;
    }

    lblPosizione->setText(step.counter);
    switch (step.kind) {
    case SlideshowStep::Kind::EmptyArchive:
        Timer->stop();
        Messages::information(this, ArchiveMessages::empty());
        close();
        break;
    case SlideshowStep::Kind::Show:
        subApriFoto();
        break;
    case SlideshowStep::Kind::Wrap:
        break;
    }
}

void TfrmSlideshow_Automezzi::subApriFoto()
{
    const QString file =
        PhotoFile::pathFor(Platform::instance().programFolder(), StoredText::trimmed(lblPosizione->text()));
    QDir().mkpath(QFileInfo(file).absolutePath());
    // Decoded at the size it is shown at: a large photo would otherwise hold up the step.
    const std::optional<QImage> picture = PhotoFile::loadFitted(file, imgFoto->size());
    imgFoto->setPicture(picture ? *picture : imgBianco->picture());
}

void TfrmSlideshow_Automezzi::imgFotoClick()
{
    close();
}

void TfrmSlideshow_Automezzi::panContainerClick()
{
    close();
}
