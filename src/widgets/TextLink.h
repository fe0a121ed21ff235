#pragma once

#include "widgets/PaintedButton.h"

#include <QColor>

// An underlined text link with the hand cursor, a button that paints its text as a label
// would. Pressing it, or the icon bound to it, reports pressed() and shows the text in
// Pressed until it is let go; letting go reports released(); a press and release on the
// same control reports clicked(), for the icon through its own clicked().
class TextLink final : public PaintedButton {
    Q_OBJECT
public:
    static inline const QColor Pressed{0xFF, 0xA5, 0x00}; // orange
    static inline const QColor Normal{0x00, 0x00, 0x8B};  // dark blue

    TextLink(QWidget* parent, const char* name, const QPoint& place, const QString& text);

    // The colour of the text while it is not pressed.
    void setColour(const QColor& colour);
    // The colour the text shows now.
    QColor colour() const;
    // The icon beside the link acts as the link: its presses and releases are the link's.
    void bindIcon(QAbstractButton* icon);

    // The text's size, without margins.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
