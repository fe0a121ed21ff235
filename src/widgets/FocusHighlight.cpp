#include "widgets/FocusHighlight.h"

#include "widgets/ShapeRect.h"

#include <QEvent>
#include <QLineEdit>

namespace {

// Shows the rectangle while its box has the focus.
class RectangleFollowsFocus final : public QObject {
public:
    RectangleFollowsFocus(QLineEdit* box, ShapeRect* rectangle) : QObject(box), m_rectangle(rectangle)
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_rectangle->show();
        else if (event->type() == QEvent::FocusOut)
            m_rectangle->hide();
        return QObject::eventFilter(watched, event);
    }

private:
    ShapeRect* m_rectangle;
};

// The rectangle's height; it is centred on its box and 4 pixels wider on each side.
constexpr int RectangleHeight = 30;
constexpr int RectangleMargin = 4;

} // namespace

namespace FocusHighlight {

void colour(QLineEdit* box, const QColor& idle)
{
    // The focus pseudo-state follows the focus without a handler per box.
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; border: 1px solid %2; color: black; }"
                                      "QLineEdit:focus { background-color: %3; }")
                           .arg(idle.name(), SkyBlue.name(), Focused.name()));
}

ShapeRect* rectangle(QLineEdit* box, const char* name)
{
    auto* result = new ShapeRect(box->parentWidget());
    result->setObjectName(QLatin1String(name));
    const QRect place = box->geometry();
    result->setGeometry(place.left() - RectangleMargin, place.center().y() - RectangleHeight / 2 + 1,
                        place.width() + 2 * RectangleMargin, RectangleHeight);
    result->setFill(Focused);
    result->setBorderGradient(Focused, Qt::white);
    result->stackUnder(box);
    result->setVisible(box->hasFocus());
    new RectangleFollowsFocus(box, result);
    return result;
}

} // namespace FocusHighlight
