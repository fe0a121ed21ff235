#pragma once

#include <QObject>

class QWidget;

// The windows that show a photo large (zoom, slideshow): when the window shows, its panel
// and the photo take the screen's size less 60 pixels across and 90 down.
void fitPhotoToScreen(QWidget* window, QWidget* panContainer, QWidget* photo);

// A left click on a plain widget, such as a panel, as a signal. Owned by the widget.
class ClickWatcher final : public QObject {
    Q_OBJECT
public:
    explicit ClickWatcher(QWidget* watched);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
