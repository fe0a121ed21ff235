#include "card/TfrmZoom.h"

#include "widgets/Colours.h"
#include "widgets/PhotoView.h"
#include "widgets/ScreenPhoto.h"
#include "widgets/WindowFrame.h"

namespace {

// The container takes the screen's size when the window shows.
const WindowFrame Frame =
    WindowFrame::maximised("frmZoom", " Fai clic sulla foto per chiudere questa finestra", {800, 600})
        .gradient(Colours::SteelBlue, Qt::white)
        .withProcessFormats();

} // namespace

TfrmZoom::TfrmZoom(QWidget* parent) : QDialog(parent)
{
    panContainer = buildFrame(this, Frame);
    connect(new ClickWatcher(panContainer), &ClickWatcher::clicked, this, &TfrmZoom::photoOrPanelClick);
    imgFoto = new PhotoView(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    connect(imgFoto, &PhotoView::clicked, this, &TfrmZoom::photoOrPanelClick);
}

void TfrmZoom::setPicture(const QImage& picture)
{
    imgFoto->setPicture(picture);
}

void TfrmZoom::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitPhotoToScreen(this, panContainer, imgFoto);
}

void TfrmZoom::photoOrPanelClick()
{
    accept();
}
