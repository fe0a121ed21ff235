#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture drawn from the artwork ":/artwork/<folder>/<name>.svg", stretched to the widget.
// The folder is the window's name, or "common" for pictures several windows share.
// Made clickable it acts as a picture button: hand cursor and clicked().
class ArtworkImage final : public QWidget {
    Q_OBJECT
public:
    ArtworkImage(const QString& folder, const QString& name, QWidget* parent = nullptr);

    static QString artworkPath(const QString& folder, const QString& name);
    // The artwork drawn at size on the background colour, for controls that hold a picture.
    static QImage rendered(const QString& folder, const QString& name, QSize size, const QColor& background);

    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }
    bool hasArtwork() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSvgRenderer* m_renderer;
    bool m_clickable = false;
    bool m_pressed = false;
};
