#pragma once

#include "widgets/PaintedButton.h"

#include <QColor>

// A one-line notice on a coloured band that opens more detail when clicked: a button that
// paints itself as a centred, bold label, with the hand cursor.
class SummaryBanner final : public PaintedButton {
    Q_OBJECT
public:
    SummaryBanner(QWidget* parent, const char* name, const QRect& place);

    void setFill(const QColor& fill);
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};
