#pragma once

#include "widgets/PaintedButton.h"

#include <QImage>

// An image control that shows a photo by the display rule: at its own size when it
// fits, otherwise scaled down keeping its proportions; never enlarged; always centred.
// A click on it is a button's clicked().
class PhotoView final : public PaintedButton {
    Q_OBJECT
public:
    explicit PhotoView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // Where the picture is drawn, in widget coordinates.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture at the size it is drawn, made once per picture and size: a camera photo
    // scaled at every paint would hold up the window.
    const QImage& shown();

    QImage m_picture;
    QImage m_shown;
};
