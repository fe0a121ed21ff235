#include "widgets/TextLink.h"

#include "widgets/Fonts.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

TextLink::TextLink(QWidget* parent, const char* name, const QPoint& place, const QString& text) : PaintedButton(parent)
{
    setObjectName(QLatin1String(name));
    setText(text);
    QFont font = Fonts::font(QStringLiteral("Tahoma"), 14);
    font.setUnderline(true);
    setFont(font);
    setColour(Normal);
    setCursor(Qt::PointingHandCursor);
    move(place);
    adjustSize();
}

void TextLink::setColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

QColor TextLink::colour() const
{
    return isDown() ? Pressed : palette().color(QPalette::WindowText);
}

void TextLink::bindIcon(QAbstractButton* icon)
{
    // The icon holds the mouse while it is pressed, so the link is only shown down.
    connect(icon, &QAbstractButton::pressed, this, [this] {
        setDown(true);
        emit pressed();
    });
    connect(icon, &QAbstractButton::released, this, [this] {
        setDown(false);
        emit released();
    });
}

QSize TextLink::sizeHint() const
{
    return fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft, text()).size();
}

void TextLink::paintEvent(QPaintEvent*)
{
    // Drawn as a plain-text label draws it: on the left, centred down, in the text colour.
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    option.palette.setColor(QPalette::WindowText, colour());
    style()->drawItemText(&painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                          option.palette, isEnabled(), text(), QPalette::WindowText);
}
