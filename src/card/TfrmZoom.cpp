#include "card/TfrmZoom.h"

#include "app/ProcessFormats.h"
#include "widgets/GradientPage.h"
#include "widgets/PhotoView.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

TfrmZoom::TfrmZoom(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    resize(800, 600);
    setWindowState(Qt::WindowMaximized);
    ProcessFormats::apply();

    auto* page = new GradientPage(QColor(0x46, 0x82, 0xB4), Qt::white, this);
    page->fill(this);
    panContainer = new QWidget;
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->installEventFilter(this);
    page->setPanel(panContainer);
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
