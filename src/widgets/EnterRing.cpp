#include "widgets/EnterRing.h"

#include <QKeyEvent>
#include <QWidget>

EnterRing::EnterRing(const QList<QWidget*>& ring) : QObject(ring.isEmpty() ? nullptr : ring.first()), m_ring(ring)
{
    for (QWidget* widget : ring)
        widget->installEventFilter(this);
}

QWidget* EnterRing::next(const QWidget* widget) const
{
    const qsizetype index = m_ring.indexOf(widget);
    return index < 0 ? nullptr : m_ring.at((index + 1) % m_ring.size());
}

bool EnterRing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QWidget* following = next(qobject_cast<QWidget*>(watched))) {
                following->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
