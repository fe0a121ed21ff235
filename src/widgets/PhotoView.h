#pragma once

#include <QImage>
#include <QWidget>

// An image control that shows a photo by the display rule: at its own size when it
// fits, otherwise scaled down keeping its proportions; never enlarged; always centred.
class PhotoView final : public QWidget {
    Q_OBJECT
public:
    explicit PhotoView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // Where the picture is drawn, in widget coordinates.
    QRect pictureRect() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The picture at the size it is drawn, made once per picture and size: a camera photo
    // scaled at every paint would hold up the window.
    const QImage& shown();

    QImage m_picture;
    QImage m_shown;
};
