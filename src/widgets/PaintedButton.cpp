#include "widgets/PaintedButton.h"

#include <QMouseEvent>

PaintedButton::PaintedButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PaintedButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool letGoAway = event->button() == Qt::LeftButton && isDown() && !hitButton(event->position().toPoint());
    QAbstractButton::mouseReleaseEvent(event);
    // Qt has only set the button up; no handler has run, so the button is still there.
    if (letGoAway)
        emit released();
}
