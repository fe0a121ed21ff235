#include "widgets/RequiredBoxes.h"

#include "archive/StoredText.h"
#include "platform/Platform.h"

#include <QLineEdit>

bool requiredBoxesFilled(QWidget* window, const QList<RequiredBox>& boxes)
{
    for (const RequiredBox& required : boxes) {
        if (StoredText::trimmed(required.box->text()).isEmpty()) {
            Messages::warning(window, QString::fromUtf8(required.missing));
            required.box->setFocus();
            return false;
        }
    }
    return true;
}
