#pragma once

#include <QColor>
#include <QLabel>

// An underlined text link with the hand cursor. Pressing it, or the icon bound to it,
// reports pressed(); releasing reports released(); a press and release on the same
// control reports clicked(), for the icon through its own clicked().
class TextLink final : public QLabel {
    Q_OBJECT
public:
    static inline const QColor Pressed{0xFF, 0xA5, 0x00}; // orange
    static inline const QColor Normal{0x00, 0x00, 0x8B};  // dark blue

    TextLink(QWidget* parent, const char* name, const QPoint& place, const QString& text);

    void setColour(const QColor& colour);
    QColor colour() const;
    // The icon beside the link acts as the link: its presses and releases are the link's.
    void bindIcon(QWidget* icon);

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
