#include "card/TfrmZoom.h"

#include "widgets/Colours.h"
#include "widgets/PhotoView.h"
#include "widgets/WindowFrame.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

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
    panContainer->installEventFilter(this);
    imgFoto = new PhotoView(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    connect(imgFoto, &PhotoView::clicked, this, &TfrmZoom::imgFotoClick);
}

void TfrmZoom::setPicture(const QImage& picture)
{
    imgFoto->setPicture(picture);
}

void TfrmZoom::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QSize screenSize = (screen() ? screen() : QGuiApplication::primaryScreen())->size();
    const QSize area(screenSize.width() - 60, screenSize.height() - 90);
    panContainer->setFixedSize(area);
    imgFoto->setGeometry(0, 0, area.width(), area.height());
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panContainer && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        panContainerClick();
    return QDialog::eventFilter(watched, event);
}

void TfrmZoom::imgFotoClick()
{
    accept();
}

void TfrmZoom::panContainerClick()
{
    accept();
}
