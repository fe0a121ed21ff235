#pragma once

#include <QColor>
#include <QWidget>

// A filled rectangle with a one-pixel border, optionally filled with a two-colour
// gradient. It draws the frames, bands and separators of the windows.
class ShapeRect final : public QWidget {
    Q_OBJECT
public:
    enum class Gradient { None, Vertical, Horizontal };

    explicit ShapeRect(QWidget* parent = nullptr);

    void setFill(const QColor& fill) { setGradient(Gradient::None, fill, fill); }
    void setGradient(Gradient direction, const QColor& start, const QColor& end);
    void setBorder(const QColor& border);
    // A border whose colour runs from top to bottom.
    void setBorderGradient(const QColor& top, const QColor& bottom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Gradient m_direction = Gradient::None;
    QColor m_start = Qt::white;
    QColor m_end = Qt::white;
    QColor m_border;       // invalid: no border
    QColor m_borderBottom; // valid: the border runs from m_border to this colour
};
