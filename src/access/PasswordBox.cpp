#include "access/PasswordBox.h"

#include "widgets/Controls.h"
#include "widgets/FocusHighlight.h"
#include "widgets/Fonts.h"

#include <QLineEdit>

QLineEdit* passwordBox(QWidget* parent, const char* name, const char* effName, int left, int top, int width)
{
    QLineEdit* box = Controls::editBox(parent, name, {left, top, width, 22}, 32767,
                                       Fonts::font(QStringLiteral("Verdana"), 14, true));
    box->setEchoMode(QLineEdit::Password);
    FocusHighlight::rectangle(box, effName);
    return box;
}
