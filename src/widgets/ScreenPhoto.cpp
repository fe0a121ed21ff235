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

ClickWatcher::ClickWatcher(QWidget* watched) : QObject(watched)
{
    watched->installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit clicked();
    return QObject::eventFilter(watched, event);
}
