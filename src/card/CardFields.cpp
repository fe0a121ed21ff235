// How the card's edit boxes behave: the focus highlight, the Enter ring, the number
// plate's refused characters and upper case, and the date boxes that open the picker.
#include "card/TfrmAutoparco.h"

#include "archive/StoredText.h"
#include "card/DateBoxes.h"
#include "card/TfrmCalendario.h"
#include "widgets/EnterRing.h"
#include "widgets/FocusHighlight.h"
#include "widgets/ModalWindow.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// The plate refuses these characters as keys: the euro sign too, which the archive would
// store as the byte of its Windows-1252 code.
const QString RefusedInPlate = QStringLiteral("&/<>£°ÀÁÂÄÇÈÉÊËÌÍÎÏÑÒÓÔÖÙÚÛÜàáâäçèéêëìíîïñòóôöùúûü€");

bool isModifierAlone(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

// The plate's text after a change: no blanks at its ends, a to z in upper case.
QString normalisedPlate(const QString& text)
{
    QString plate = StoredText::trimmed(text);
    for (QChar& character : plate) {
        if (character >= QLatin1Char('a') && character <= QLatin1Char('z'))
            character = QChar(character.unicode() - 'a' + 'A');
    }
    return plate;
}

} // namespace

void TfrmAutoparco::setUpFieldBehaviour(const QList<QWidget*>& tabOrder)
{
    new EnterRing(tabOrder);
    box(&TSchedaVeicolo::Targa)->installEventFilter(this);
    connect(box(&TSchedaVeicolo::Targa), &QLineEdit::textEdited, this, &TfrmAutoparco::txtTargaTyping);
    for (const DateBox& date : DateBoxes)
        box(date.member)->installEventFilter(this);
}

bool TfrmAutoparco::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Enter belongs to the ring.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return false;

    if (watched == box(&TSchedaVeicolo::Targa)) {
        const QString typed = key->text();
        return !typed.isEmpty() && RefusedInPlate.contains(typed.front());
    }
    for (const DateBox& date : DateBoxes) {
        if (watched == box(date.member))
            return dateBoxKeyDown(box(date.member), QLatin1String(date.tag), key->key());
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmAutoparco::dateBoxKeyDown(QLineEdit* dateBox, const QString& tag, int key)
{
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        dateBox->clear();
        return true;
    }
    // The focus keys move on and a modifier alone waits for its key.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || isModifierAlone(key))
        return false;
    openModal<TfrmCalendario>(this, [this, &tag](TfrmCalendario& picker) {
        picker.setTag(tag);
        picker.setCard(this);
    });
    return true;
}

void TfrmAutoparco::txtTargaTyping()
{
    QLineEdit* plate = box(&TSchedaVeicolo::Targa);
    const QString text = plate->text();
    const QString normalised = normalisedPlate(text);
    if (normalised == text)
        return;
    // The cursor keeps its place among the characters that stay.
    const int cursor = plate->cursorPosition();
    int leading = 0;
    while (leading < text.size() && text.at(leading).unicode() <= 0x20)
        ++leading;
    plate->setText(normalised);
    plate->setCursorPosition(qBound(0, cursor - leading, static_cast<int>(normalised.size())));
}
