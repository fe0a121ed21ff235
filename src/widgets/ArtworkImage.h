#pragma once

#include "widgets/PaintedButton.h"

#include <QColor>
#include <QImage>
#include <QString>

class QSvgRenderer;

// A picture drawn from the artwork ":/artwork/<folder>/<name>.svg", stretched to the widget.
// The folder is the window's name, or "common" for pictures several windows share.
// Made clickable it acts as a picture button: hand cursor and clicked(). Not clickable, it
// lets the mouse through to what lies beneath, as a plain picture.
class ArtworkImage final : public PaintedButton {
    Q_OBJECT
public:
    ArtworkImage(const QString& folder, const QString& name, QWidget* parent = nullptr);

    static QString artworkPath(const QString& folder, const QString& name);
    // The artwork drawn at size on the background colour, for controls that hold a picture.
    static QImage rendered(const QString& folder, const QString& name, QSize size, const QColor& background);

    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }
    bool hasArtwork() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QSvgRenderer* m_renderer;
    bool m_clickable = false;
};
