#pragma once

#include "widgets/PaintedButton.h"

class QWidget;

// The windows that show a photo large (zoom, slideshow): when the window shows, its panel
// and the photo take the screen's size less 60 pixels across and 90 down.
void fitPhotoToScreen(QWidget* window, QWidget* panContainer, QWidget* photo);

// A left click on a plain widget, such as a panel, as clicked(). Owned by the widget. A panel
// holds the other controls and is no button, so the watcher is a hidden button the panel
// hands its mouse presses and releases to: the panel clicks by the rule of every button.
class ClickWatcher final : public PaintedButton {
    Q_OBJECT
public:
    explicit ClickWatcher(QWidget* watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Anywhere on the watched widget.
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent*) override {}
};
