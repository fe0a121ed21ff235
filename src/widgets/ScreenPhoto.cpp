#include "widgets/ScreenPhoto.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

void fitPhotoToScreen(QWidget* window, QWidget* panContainer, QWidget* photo)
{
    const QSize screenSize = (window->screen() ? window->screen() : QGuiApplication::primaryScreen())->size();
    const QSize area(screenSize.width() - 60, screenSize.height() - 90);
    panContainer->setFixedSize(area);
    photo->setGeometry(0, 0, area.width(), area.height());
}

ClickWatcher::ClickWatcher(QWidget* watched) : PaintedButton(watched)
{
    hide();
    watched->installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // The positions are the watched widget's, which hitButton() measures against.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        mousePressEvent(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseMove:
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return PaintedButton::eventFilter(watched, event);
}

bool ClickWatcher::hitButton(const QPoint& pos) const
{
    return parentWidget()->rect().contains(pos);
}
