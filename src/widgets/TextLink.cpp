#include "widgets/TextLink.h"

#include "widgets/Fonts.h"

#include <QMouseEvent>

TextLink::TextLink(QWidget* parent, const char* name, const QPoint& place, const QString& text) : QLabel(text, parent)
{
    setObjectName(QLatin1String(name));
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
    return palette().color(QPalette::WindowText);
}

void TextLink::bindIcon(QWidget* icon)
{
    icon->installEventFilter(this);
}

void TextLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
}

void TextLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    emit released();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

bool TextLink::eventFilter(QObject* watched, QEvent* event)
{
    const bool leftButton =
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (leftButton && event->type() == QEvent::MouseButtonPress)
        emit pressed();
    else if (leftButton)
        emit released();
    return QLabel::eventFilter(watched, event);
}
