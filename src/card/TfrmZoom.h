#pragma once

#include <QDialog>
#include <QImage>

class PhotoView;

// The card's photo shown large in a maximised window; a click closes it.
class TfrmZoom final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmZoom)
public:
    explicit TfrmZoom(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A click on the photo or beside it closes the zoom.
    void photoOrPanelClick();

    QWidget* panContainer = nullptr;
    PhotoView* imgFoto = nullptr;
};
