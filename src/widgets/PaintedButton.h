#pragma once

#include <QAbstractButton>

// The one click behaviour of every picture and text that acts as a button: a QAbstractButton
// that its subclass paints, so press, release, click and accessibility come from Qt. Like the
// pictures and labels it stands for, it takes no focus. A click is Qt's: a left press on the
// button and a left release on it. Every press ends in released(), also when the button is let
// go away from it, where Qt's own button only stops being down.
class PaintedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PaintedButton(QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
